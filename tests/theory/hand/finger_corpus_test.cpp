// How often the finger assignment agrees with the fingers chord books print, on a corpus of
// well-known guitar and ukulele voicings. The run prints one line per instrument:
//   build/debug/tests/theory_tests --gtest_filter=FingerCorpus.*
// and fails when the agreement drops below its floor or a shape is called unplayable.

#include "tests/theory/book_shapes.h"
#include "theory/hand/finger_assignment.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace guivarna::theory {
namespace {

using namespace book_shapes;

struct Tally {
    int shapes = 0;
    int exact = 0;
    int unplayable = 0;
    std::vector<std::string> misses;
};

void Measure(const std::vector<BookShape>& shapes, Tally& tally)
{
    for (const BookShape& book : shapes) {
        for (int base = book.lowestBase; base <= book.highestBase; ++base) {
            const std::string pattern = book.frets;
            std::vector<int> frets;  // string 1 first
            for (auto c = pattern.rbegin(); c != pattern.rend(); ++c)
                frets.push_back(*c == 'x' ? kNotPlayed : *c - '0' + base);
            const Hand shape = AssignFingers(frets);
            std::string fingers = FingerText(shape, "");
            if (shape.playable)
                fingers.assign(fingers.rbegin(), fingers.rend());
            ++tally.shapes;
            if (!shape.playable)
                ++tally.unplayable;
            if (fingers == book.fingers) {
                ++tally.exact;
            } else {
                tally.misses.push_back(std::string(book.name) + " at " + std::to_string(base) +
                    ": " + book.fingers + ", given " + fingers);
            }
        }
    }
}

TEST(FingerCorpus, AgreesWithChordBooks)
{
    struct Instrument {
        const char* name;
        std::vector<const std::vector<BookShape>*> tables;
        double floorPercent;
    };
    const std::vector<Instrument> instruments = {
        {"guitar", {&kGuitarOpen, &kGuitarMovable}, 90.0},
        {"ukulele", {&kUkuleleOpen, &kUkuleleMovable}, 85.0},
    };
    for (const Instrument& instrument : instruments) {
        Tally tally;
        for (const auto* table : instrument.tables)
            Measure(*table, tally);
        const double percent = 100.0 * tally.exact / tally.shapes;
        std::printf("%s: %d/%d exact (%.1f %%), %d unplayable\n", instrument.name, tally.exact,
            tally.shapes, percent, tally.unplayable);
        for (const std::string& miss : tally.misses)
            std::printf("  miss: %s\n", miss.c_str());
        EXPECT_GE(percent, instrument.floorPercent) << instrument.name;
        EXPECT_EQ(tally.unplayable, 0) << instrument.name;
    }
}

}  // namespace
}  // namespace guivarna::theory
