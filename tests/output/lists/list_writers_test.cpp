#include "output/lists/list_writers.h"

#include "theory/notes/music_theory.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <string>

namespace guivarna::output {
namespace {

using theory::ChordFingering;

template <typename Write> std::string Written(Write write)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(write(buffer));
    return buffer.data().toStdString();
}

// The UTF-16 little-endian bytes of an ASCII text.
std::string Utf16Le(const std::string& ascii)
{
    std::string bytes;
    for (const char c : ascii) {
        bytes += c;
        bytes += '\0';
    }
    return bytes;
}

const ChordFingering kCMajor{{1, 2, 3}, {60, 64, 67}, {8, 5, 0}};
const ChordFingering kOpenA{{5}, {69}, {0}};

TEST(ListText, ChordAndScaleListsHaveOneCrLfLinePerResult)
{
    struct Case {
        const char* name;
        std::vector<ChordFingering> chords;
        std::string expected;
    };
    const Case cases[] = {
        {"two fingerings", {kCMajor, {{2, 3, 4}, {67, 60, 64}, {1, 0, 2}}},
            "1 - 2 - 3\t\t8 - 5 - 0\t\tC - E - G\r\n2 - 3 - 4\t\t1 - 0 - 2\t\tG - C - E\r\n"},
        {"one entry: no separators", {kOpenA}, "5\t\t0\t\tA\r\n"},
        {"empty list: empty file", {}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ChordResultVector chords(c.chords);
        EXPECT_EQ(Written([&](QIODevice& d) { return WriteChordListText(d, chords); }), c.expected);
    }

    const ScaleResultVector scales({{60, 62, 64, 65, 67, 69, 71}, {61}});
    EXPECT_EQ(Written([&](QIODevice& d) { return WriteScaleListText(d, scales); }),
        "C - D - E - F - G - A - B\r\nDb\r\n");
}

TEST(ListText, AThousandScalesAreAThousandLinesInListOrder)
{
    std::vector<std::vector<theory::Note>> list;
    std::string expected;
    for (int i = 0; i < 1000; ++i) {
        // Every line differs: one to twelve notes from a rotating start.
        std::vector<theory::Note> scale;
        std::string line;
        for (int k = 0; k <= i % 12; ++k) {
            scale.push_back(60 + (i / 12 + k) % 12);
            line += (k ? " - " : "") + theory::NoteName(scale.back());
        }
        list.push_back(scale);
        expected += line + "\r\n";
    }
    const ScaleResultVector scales(list);
    const std::string text = Written([&](QIODevice& d) { return WriteScaleListText(d, scales); });
    EXPECT_EQ(text, expected);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1000);
}

constexpr const char* kHead =
    "<?xml version=\"1.0\"?> <!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\" "
    "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\"><html "
    "xmlns=\"http://www.w3.org/1999/xhtml\"><head><title>Guivarna</title><meta name=\"author\" "
    "content=\"Orlan\" /><meta name=\"description\" content=\"GVA samples\" /><meta "
    "name=\"keywords\" content=\"\" /><style type=\"text/css\"><!--body{text-align:center;"
    "background-color: #FCEFCC}table{background-color: white;border:1px solid black;width: "
    "800px}td.title{width: 20%; text-align: left; vertical-align: top; font: normal normal normal "
    "15px Arial, Helvetica, Sans-Serif; color:#4F719F;margin: 0px 0px 0px 7px}td.content{width: "
    "20%; text-align: left; vertical-align: top; font: normal normal normal 12px Arial, "
    "Helvetica, Sans-Serif; color:#000000;margin: 0px 0px 0px 7px}--></style></head><body>";

TEST(ListHtml, ASmallPageIsExactlyTheExpectedBytes)
{
    const ChordResultVector chords({kCMajor, {{2, 3, 4}, {67, 60, 64}, {1, 0, 2}}});
    const CurrentChordText current{"C - E - G", {"C", "E-(b6) (no 5)", "Gsus4(6) (no 5)"}};
    const std::string expected = std::string(kHead) +
        "<table><tr><td class=\"title\">Chordnotes: </td><td class=\"title\">Suggested "
        "Chordnames</td></tr><tr><td class=\"content\">C - E - G</td><td class=\"content\">"
        "C<br />E-(b6) (no 5)<br />Gsus4(6) (no 5)<br /></td></tr></table>"
        "<br /><br /><table><tr><td class=\"title\">###</td><td class=\"title\">Strings</td>"
        "<td class=\"title\">Frets</td><td class=\"title\">Chordnotes</td><td "
        "class=\"title\">Melody note</td></tr><tr><td class=\"content\">"
        "1<br />2<br /></td><td class=\"content\">"
        "1 - 2 - 3<br />2 - 3 - 4<br /></td><td class=\"content\">"
        "8 - 5 - 0<br />1 - 0 - 2<br /></td><td class=\"content\">"
        "C - E - G<br />G - C - E<br /></td><td class=\"content\">"
        "C<br />G<br /></td></tr></table></body></html>";

    const std::string page =
        Written([&](QIODevice& d) { return WriteChordListHtml(d, chords, current); });
    EXPECT_EQ(page, Utf16Le(expected));
    ASSERT_GE(page.size(), 2u);
    EXPECT_EQ(page[0], '<');  // UTF-16 little-endian without a byte-order mark
    EXPECT_EQ(page[1], '\0');
    EXPECT_EQ(page.find(Utf16Le("\n")), std::string::npos);
}

TEST(ListHtml, AnEmptySelectionKeepsTheCurrentChordTableWithEmptyCells)
{
    theory::MusicTheory theory;
    theory.SetRootName("C");
    const CurrentChordText current = CurrentChordOf(theory);
    EXPECT_TRUE(current.notes.empty());
    EXPECT_TRUE(current.names.empty());

    const ChordResultVector chords({kOpenA});
    const std::string page =
        Written([&](QIODevice& d) { return WriteChordListHtml(d, chords, current); });
    const std::string firstTable = "<body><table><tr><td class=\"title\">Chordnotes: </td><td "
                                   "class=\"title\">Suggested Chordnames</td></tr><tr><td "
                                   "class=\"content\"></td><td class=\"content\"></td></tr>"
                                   "</table><br /><br /><table>";
    EXPECT_NE(page.find(Utf16Le(firstTable)), std::string::npos);
    EXPECT_NE(page.find(Utf16Le("<tr><td class=\"content\">1<br /></td><td class=\"content\">5<br "
                                "/></td><td class=\"content\">0<br /></td><td "
                                "class=\"content\">A<br /></td><td class=\"content\">A<br /></td>"
                                "</tr></table></body></html>")),
        std::string::npos);
}

TEST(ListHtml, TheCurrentChordComesFromTheSelection)
{
    theory::MusicTheory theory;
    theory.SetRootName("C");
    for (const char* note : {"C", "E", "G"})
        theory.AddNote(note);
    const CurrentChordText current = CurrentChordOf(theory);
    EXPECT_EQ(current.notes, "C - E - G");
    EXPECT_EQ(current.names, theory.SuggestChordNames(theory::kTraditionalNames));
    EXPECT_EQ(current.names.size(), 3u);
}

// A list that is still being filled: every Count() sees more results.
class GrowingList : public ChordResults {
public:
    std::size_t Count() const override { return ++count_; }
    ChordFingering Get(std::size_t index) const override
    {
        if (index >= count_)
            throw std::out_of_range("beyond the list");
        return kCMajor;
    }

private:
    mutable std::size_t count_ = 2;
};

TEST(ListHtml, AListGrowingWhileWrittenGivesColumnsOfEqualLength)
{
    const GrowingList chords;
    const std::string page =
        Written([&](QIODevice& d) { return WriteChordListHtml(d, chords, {}); });
    // Three results in every column: the running numbers end at 3, nothing mentions 4.
    EXPECT_NE(page.find(Utf16Le(">1<br />2<br />3<br /></td>")), std::string::npos);
    EXPECT_NE(page.find(Utf16Le(">C<br />C<br />C<br /></td></tr></table>")), std::string::npos);
}

TEST(PicturePage, ListsEveryPictureWithTwoLineBreaksInOrder)
{
    const CurrentChordText current{"A", {"A"}};
    const std::string page = Written([&](QIODevice& d) {
        return WriteChordPicturePage(d, current,
            {QStringLiteral("A5(0)"), QStringLiteral("A5(12)"), QStringLiteral("A5(0)")});
    });
    const std::string expected = std::string(kHead) +
        "<table><tr><td class=\"title\">Chordnotes: </td><td class=\"title\">Suggested "
        "Chordnames</td></tr><tr><td class=\"content\">A</td><td class=\"content\">A<br "
        "/></td></tr></table><br /><br /><table><tr><td class=\"title\">"
        "<img src=\"A5(0).jpg \"/><br /><br /><img src=\"A5(12).jpg \"/><br /><br />"
        "<img src=\"A5(0).jpg \"/><br /><br /></td></tr></table></body></html>";
    EXPECT_EQ(page, Utf16Le(expected));
}

TEST(ListWriters, ARefusedWriteIsReported)
{
    const ChordResultVector chords({kCMajor});
    QBuffer readOnly;
    readOnly.open(QIODevice::ReadOnly);
    EXPECT_FALSE(WriteChordListText(readOnly, chords));
    EXPECT_FALSE(WriteChordListHtml(readOnly, chords, {}));
}

}  // namespace
}  // namespace guivarna::output
