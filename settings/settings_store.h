#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <memory>
#include <optional>

class QSettings;

namespace guivarna::settings {

// A value path split into the key below the settings root and the value name.
struct SplitPath {
    QString keyPath;  // e.g. "Software\KOVA\Guivarna\FretBoards\FretBoard0\Offset"
    QString valueName;  // e.g. "X"; empty for a key's default value
};

// Every program setting is one 32-bit value named by a value path relative to the root
// "Software\KOVA\Guivarna", written with backslashes: the text before the last backslash names
// the key, the rest the value ("\FretBoards\FretBoard0\Offset\X").
//
// Paths are mapped onto QSettings keys like this:
// - backslashes and slashes are separators; empty components (leading, trailing or repeated
//   separators) vanish, so "Frets\\Line\Border" and "Frets\Line\Border" are the same value;
// - a path ending in a separator names the key's default value, stored under the fixed value
//   name kDefaultValueName ("\FretBoards\" is the QSettings key "FretBoards/Default").
//
// Values are written as unsigned 32-bit integers. A stored value that is not an integer in
// -2^31 .. 2^32-1 (text, a list, a fraction, a number too large) reads as absent; negative
// numbers read as their 32-bit two's complement.
//
// Writes go to QSettings' in-memory cache and reach the file on Sync() or destruction. A write
// reports failure when the store cannot be written (read-only or unwritable file, earlier access
// or format error); callers that only persist settings ignore the result. Finding that out asks
// the file system, so a save of many values opens a WriteBatch: the batch asks once and every
// write inside it uses that answer. A path that holds
// something other than a regular file, or a file of more than 1 MiB, is left alone: every
// value reads as absent and every write fails.
class SettingsStore {
public:
    // The per-user settings of organisation "KOVA", application "Guivarna" in the native format
    // (that file alone, without organisation- or system-wide fall-backs).
    SettingsStore();
    // A settings file at an explicit path (INI format), e.g. a temporary file in tests.
    explicit SettingsStore(const QString& filePath);
    ~SettingsStore();

    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    static constexpr QStringView kRoot = u"Software\\KOVA\\Guivarna";
    static constexpr QStringView kDefaultValueName = u"Default";

    // Splits a value path as described above; the key path starts with kRoot and uses single
    // backslashes. A path without a separator is a value directly below the root.
    static SplitPath SplitValuePath(QStringView valuePath);
    // The QSettings key a value path maps to ("FretBoards/FretBoard0/Offset/X").
    static QString SettingsKey(QStringView valuePath);

    // The value at the path as a signed 32-bit integer (offsets, window positions; unsigned
    // values such as colour components come back as their two's complement); nothing when the
    // path holds no 32-bit integer. This is the one way values are read.
    std::optional<std::int32_t> ReadInt(QStringView valuePath) const;
    // Writes the 32 bits as an unsigned integer, the form stored files have always held.
    bool WriteInt(QStringView valuePath, std::int32_t value);

    // While a batch is open, writes use the writability found when it was opened instead of
    // asking again for every value. Batches nest; the outermost one decides.
    class WriteBatch {
    public:
        explicit WriteBatch(SettingsStore& store);
        ~WriteBatch();
        WriteBatch(const WriteBatch&) = delete;
        WriteBatch& operator=(const WriteBatch&) = delete;

    private:
        SettingsStore& store_;
        bool outermost_;
    };

    // How often the store has asked whether it can be written (for tests and benchmarks).
    std::uint64_t WritabilityChecks() const { return writabilityChecks_; }

    // Writes pending changes to the file; false when that failed.
    bool Sync();
    // The file the settings live in.
    QString FileName() const;

private:
    void Open(const QString& filePath, int format);
    bool Writable() const;

    std::unique_ptr<QSettings> settings_;
    QString fileName_;
    bool blocked_ = false;
    // Set while a WriteBatch is open: the answer of its one writability check.
    std::optional<bool> batchWritable_;
    mutable std::uint64_t writabilityChecks_ = 0;
};

}  // namespace guivarna::settings
