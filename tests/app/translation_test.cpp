#include "app/command_line.h"
#include "app/list_export_commands.h"
#include "app/translations.h"
#include "tests/app/app_test_fixture.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QMenu>
#include <QTranslator>

#include <gtest/gtest.h>

namespace guivarna {
namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void RemoveTranslations()
{
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

const QString kTranslations = QStringLiteral(GUIVARNA_TEST_TRANSLATIONS_DIR);

TEST(Translations, AreChosenByTheLocalesLanguage)
{
    struct Case {
        QLocale locale;
        bool installed;
    };
    for (const Case& c : {Case{QLocale(QLocale::German, QLocale::Germany), true},
             Case{QLocale(QLocale::German, QLocale::Austria), true},
             Case{QLocale(QLocale::English, QLocale::UnitedStates), false},
             Case{QLocale(QLocale::French, QLocale::France), false}}) {
        SCOPED_TRACE(c.locale.name().toStdString());
        EXPECT_EQ(InstallTranslations(*QCoreApplication::instance(), c.locale, kTranslations),
            c.installed);
        RemoveTranslations();
    }
}

TEST(Translations, GermanHelpNamesTheFileArgumentInGerman)
{
    ASSERT_TRUE(InstallTranslations(
        *QCoreApplication::instance(), QLocale(QLocale::German, QLocale::Germany), kTranslations));
    QCommandLineParser parser;
    SetUpCommandLine(parser);
    const QString help = parser.helpText();
    RemoveTranslations();
    EXPECT_TRUE(help.contains(QStringLiteral("[Datei]"))) << help.toStdString();
    EXPECT_FALSE(help.contains(QStringLiteral("[file]"))) << help.toStdString();
}

class GermanTest : public test::AppTest {
protected:
    void TearDown() override
    {
        RemoveTranslations();
        AppTest::TearDown();
    }

    // Saves the chord list of C E G as text and as HTML under the given name stem.
    void SaveChordLists(const QString& stem)
    {
        test::SelectFirstFingering(*objects_, {"C", "E", "G"});
        frame_->menu(MenuId::ChordBoard)->aboutToShow();  // enables the list commands
        for (const auto& [command, suffix] : {std::pair{CommandId::SaveChordList, ".txt"},
                 {CommandId::SaveChordListHtml, ".html"}}) {
            const QString path = dir_.filePath(stem + QLatin1String(suffix));
            frame_->ListExport()->SetPathChooser([path](const SaveRequest&) { return path; });
            frame_->action(command)->trigger();
        }
    }
};

TEST_F(GermanTest, MenusAreGermanWhileExportedFilesStayAsInEnglish)
{
    MakeFrame();
    SaveChordLists(QStringLiteral("english"));
    frame_.reset();

    ASSERT_TRUE(InstallTranslations(
        *QCoreApplication::instance(), QLocale(QLocale::German, QLocale::Germany), kTranslations));
    MakeFrame();
    QMenu* file = frame_->menu(MenuId::File);
    EXPECT_EQ(file->title(), QStringLiteral("&Datei"));
    QStringList items;
    for (const QAction* action : file->actions())
        if (!action->isSeparator())
            items << action->text();
    EXPECT_EQ(items,
        QStringList({QStringLiteral("&Instrument..."), QStringLiteral("&Drucken..."),
            QStringLiteral("Druck&vorschau..."), QStringLiteral("Drucker&einrichtung..."),
            QStringLiteral("&Beenden")}));

    SaveChordLists(QStringLiteral("german"));
    for (const char* suffix : {".txt", ".html"}) {
        SCOPED_TRACE(suffix);
        const QByteArray english =
            ReadAll(dir_.filePath(QStringLiteral("english") + QLatin1String(suffix)));
        EXPECT_GT(english.size(), 20);  // written, not "<missing>"
        EXPECT_EQ(
            ReadAll(dir_.filePath(QStringLiteral("german") + QLatin1String(suffix))), english);
    }
}

}  // namespace
}  // namespace guivarna
