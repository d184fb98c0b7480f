#include "output/files/save_file.h"

#include <QDir>
#include <QFile>
#include <QIODevice>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace guivarna::output {
namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool WriteText(QIODevice& device, const QByteArray& text)
{
    return WriteAll(device, text);
}

class SaveFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        path_ = dir_.filePath(QStringLiteral("list.txt"));
        QFile old(path_);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(kOld);
    }

    // Everything in the folder besides the target: a failed save must leave nothing behind.
    QStringList Leftovers() const
    {
        QStringList names = QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden);
        names.removeAll(QStringLiteral("list.txt"));
        return names;
    }

    static inline const QByteArray kOld = "the old list\r\n";
    QTemporaryDir dir_;
    QString path_;
};

TEST_F(SaveFileTest, ReplacesTheFileOnceComplete)
{
    const QByteArray text(200000, 'x');
    EXPECT_EQ(SaveFile(path_, [&](QIODevice& d) { return WriteText(d, text); }), QString());
    EXPECT_EQ(ReadAll(path_), text);
    EXPECT_TRUE(Leftovers().isEmpty());
}

TEST_F(SaveFileTest, AWriterThatFailsKeepsTheOldFile)
{
    const QString error = SaveFile(path_, [](QIODevice& d) {
        d.write("partial");
        return false;
    });
    EXPECT_TRUE(error.contains(path_)) << error.toStdString();
    EXPECT_EQ(ReadAll(path_), kOld);
    EXPECT_TRUE(Leftovers().isEmpty()) << Leftovers().join(u',').toStdString();
}

TEST_F(SaveFileTest, AFileThatCannotBeCreatedNamesTheFileAndTheCause)
{
    const QString target = dir_.filePath(QStringLiteral("missing/list.txt"));
    const QString error = SaveFile(target, [](QIODevice& d) { return WriteText(d, "x"); });
    EXPECT_TRUE(error.contains(target)) << error.toStdString();
    EXPECT_GT(error.size(), target.size() + 20) << "no cause given: " << error.toStdString();
    EXPECT_FALSE(QFile::exists(target));
}

// A file-size limit stops writes even for root (a read-only folder does not). The save runs in a
// child process with the limit set and SIGXFSZ ignored, so the write fails with EFBIG part-way.
TEST_F(SaveFileTest, ASaveStoppedPartWayByTheFileSizeLimitKeepsTheOldFile)
{
    struct Case {
        rlim_t limit;
        int blockSize;
        int blocks;
    };
    // Large writes fail part-way; a small one fails only when the write buffer goes out.
    for (const Case c : {Case{100000, 64 * 1024, 8}, Case{1000, 4000, 1}}) {
        SCOPED_TRACE(c.limit);
        int pipeFds[2];
        ASSERT_EQ(pipe(pipeFds), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(pipeFds[0]);
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{c.limit, c.limit};
            setrlimit(RLIMIT_FSIZE, &limit);
            const QByteArray block(c.blockSize, 'y');
            const QString error = SaveFile(path_, [&](QIODevice& d) {
                for (int i = 0; i < c.blocks; ++i)
                    if (!WriteText(d, block))
                        return false;
                return true;
            });
            const QByteArray message = error.toUtf8();
            const bool sent = write(pipeFds[1], message.constData(), std::size_t(message.size())) ==
                message.size();
            _exit(sent ? 0 : 3);
        }
        close(pipeFds[1]);
        QByteArray message;
        char chunk[512];
        for (ssize_t n; (n = read(pipeFds[0], chunk, sizeof chunk)) > 0;)
            message.append(chunk, n);
        close(pipeFds[0]);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

        const QString error = QString::fromUtf8(message);
        EXPECT_TRUE(error.contains(path_)) << error.toStdString();
        EXPECT_TRUE(error.contains(QStringLiteral("too large"), Qt::CaseInsensitive))
            << error.toStdString();
        EXPECT_EQ(ReadAll(path_), kOld);
        EXPECT_TRUE(Leftovers().isEmpty()) << Leftovers().join(u',').toStdString();
    }
}

}  // namespace
}  // namespace guivarna::output
