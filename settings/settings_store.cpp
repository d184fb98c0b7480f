#include "settings/settings_store.h"

#include <QFileInfo>
#include <QMetaType>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>

#include <limits>

namespace guivarna::settings {

namespace {

bool IsSeparator(QChar c)
{
    return c == u'\\' || c == u'/';
}

// The non-empty components of a path, and whether it ends in a separator.
QStringList Components(QStringView path, bool& endsInSeparator)
{
    QStringList parts;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= path.size(); ++i) {
        if (i == path.size() || IsSeparator(path[i])) {
            if (i > start)
                parts.append(path.mid(start, i - start).toString());
            start = i + 1;
        }
    }
    endsInSeparator = path.isEmpty() || IsSeparator(path.back());
    return parts;
}

constexpr qint64 kMinDword = std::numeric_limits<std::int32_t>::min();
constexpr qint64 kMaxDword = std::numeric_limits<std::uint32_t>::max();

std::optional<std::uint32_t> FromSigned(qint64 v)
{
    if (v < kMinDword || v > kMaxDword)
        return std::nullopt;
    return static_cast<std::uint32_t>(v);
}

// A stored value as a 32-bit integer: integers in range and decimal text that parses as one.
std::optional<std::uint32_t> ToDword(const QVariant& value)
{
    switch (value.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Short:
        return FromSigned(value.toLongLong());
    case QMetaType::UInt:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
    case QMetaType::UShort: {
        const qulonglong v = value.toULongLong();
        if (v > static_cast<qulonglong>(kMaxDword))
            return std::nullopt;
        return static_cast<std::uint32_t>(v);
    }
    case QMetaType::QString: {
        const QString text = value.toString().trimmed();
        // Longer texts cannot be 32-bit numbers; refuse them before parsing.
        if (text.isEmpty() || text.size() > 12)
            return std::nullopt;
        bool ok = false;
        const qint64 v = text.toLongLong(&ok, 10);
        if (!ok)
            return std::nullopt;
        return FromSigned(v);
    }
    default:
        return std::nullopt;
    }
}

// QSettings reads and parses its whole file as soon as it is opened (16 MiB of keys take some
// 300 MB). Eight boards of 24 strings with every window and paper value stay well under 300 KiB;
// a larger file, or a path that is not a regular file (reading a FIFO would block forever), is
// neither read nor written.
constexpr qint64 kMaxFileSize = 1024 * 1024;

bool UsableFile(const QString& path)
{
    const QFileInfo info(path);
    return !info.exists() || (info.isFile() && info.size() <= kMaxFileSize);
}

// The per-user file of the native format where that format is a file (not the Windows
// registry, not macOS preferences); empty elsewhere.
QString UserSettingsFile()
{
#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN)
    return {};
#else
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return dir.isEmpty() ? QString() : dir + QStringLiteral("/KOVA/Guivarna.conf");
#endif
}

}  // namespace

SettingsStore::SettingsStore()
{
    const QString file = UserSettingsFile();
    if (file.isEmpty()) {
        settings_ = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
            QStringLiteral("KOVA"), QStringLiteral("Guivarna"));
        fileName_ = settings_->fileName();
    } else {
        // Only the program's own file: no organisation-wide or system-wide fall-back files.
        Open(file, QSettings::NativeFormat);
    }
}

SettingsStore::SettingsStore(const QString& filePath)
{
    Open(filePath, QSettings::IniFormat);
}

void SettingsStore::Open(const QString& filePath, int format)
{
    fileName_ = filePath;
    blocked_ = !UsableFile(filePath);
    // A blocked store is an empty one on no file: every read is absent, every write refused.
    settings_ = std::make_unique<QSettings>(
        blocked_ ? QString() : filePath, static_cast<QSettings::Format>(format));
}

SettingsStore::~SettingsStore()
{
    settings_->sync();
}

SplitPath SettingsStore::SplitValuePath(QStringView valuePath)
{
    bool endsInSeparator = false;
    QStringList parts = Components(valuePath, endsInSeparator);
    SplitPath result;
    if (!endsInSeparator && !parts.isEmpty())
        result.valueName = parts.takeLast();
    result.keyPath = kRoot.toString();
    for (const QString& part : parts)
        result.keyPath += u'\\' + part;
    return result;
}

QString SettingsStore::SettingsKey(QStringView valuePath)
{
    bool endsInSeparator = false;
    QStringList parts = Components(valuePath, endsInSeparator);
    if (endsInSeparator || parts.isEmpty())
        parts.append(kDefaultValueName.toString());
    return parts.join(u'/');
}

std::optional<std::int32_t> SettingsStore::ReadInt(QStringView valuePath) const
{
    const std::optional<std::uint32_t> stored = ToDword(settings_->value(SettingsKey(valuePath)));
    if (!stored)
        return std::nullopt;
    return static_cast<std::int32_t>(*stored);
}

bool SettingsStore::WriteInt(QStringView valuePath, std::int32_t value)
{
    if (!(batchWritable_ ? *batchWritable_ : Writable()))
        return false;
    settings_->setValue(SettingsKey(valuePath),
        QVariant::fromValue(static_cast<uint>(static_cast<std::uint32_t>(value))));
    return true;
}

bool SettingsStore::Sync()
{
    if (blocked_)
        return false;
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

QString SettingsStore::FileName() const
{
    return fileName_;
}

SettingsStore::WriteBatch::WriteBatch(SettingsStore& store)
    : store_(store), outermost_(!store.batchWritable_)
{
    if (outermost_)
        store_.batchWritable_ = store_.Writable();
}

SettingsStore::WriteBatch::~WriteBatch()
{
    if (outermost_)
        store_.batchWritable_.reset();
}

bool SettingsStore::Writable() const
{
    ++writabilityChecks_;
    return !blocked_ && settings_->isWritable() && settings_->status() != QSettings::AccessError;
}

}  // namespace guivarna::settings
