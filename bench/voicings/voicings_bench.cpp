// Times the voicing search, all rows found, fingered and ranked: one line per case with the rows,
// the threads, the median of several runs at that many threads and at one thread.
//   voicings_bench [case...]     cases: guitarC guitar13 eight13 worst song200
// The worst case, every note on an 8-string, also prints first_row_ms, how long the first piece
// of rows takes to come out of the streaming search, and stop_ms: how long the search takes to
// return once told to stop, 20 ms after it started. song200 leads the voicings of a song of 200
// chords (six distinct ones, repeats held) on the guitar, frets 0-12: the voicing searches and
// the exact leading together.
#include "theory/formats/chord_symbol.h"
#include "theory/notes/instrument_limits.h"
#include "theory/search/run_control.h"
#include "theory/search/voicing_search.h"
#include "theory/song/voice_leading.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace guivarna::theory;

struct Case {
    const char* name;
    const char* chord;
    std::vector<Note> tuning;
    bool omitNone;
    int runs;
};

double MedianMs(const VoicingRequest& request, const std::vector<Note>& tuning, int threads,
    int runs, std::size_t& rows)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        rows = FindVoicings(request, tuning, threads).size();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

double MedianSongMs(const std::vector<LeadChord>& chords, const std::vector<Note>& tuning,
    int threads, bool& optimal)
{
    LeadOptions options;
    options.threads = threads;
    std::vector<double> times;
    for (int run = 0; run < 5; ++run) {
        const auto start = std::chrono::steady_clock::now();
        optimal = LeadVoicings(chords, tuning, options).optimal;
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// A song's chords in its sections' order: intro, then verses, pre-choruses, choruses and a
// bridge, until there are 200.
std::vector<std::string> Song200()
{
    const std::vector<std::string> intro = {"G", "D", "Em", "C"};
    const std::vector<std::string> verse = {"G", "D", "Em", "C", "G", "D", "C", "C"};
    const std::vector<std::string> pre = {"Am", "C", "G", "D"};
    const std::vector<std::string> chorus = {"C", "G", "D", "Em", "C", "G", "D", "D"};
    const std::vector<std::string> bridge = {"Em", "Bm", "C", "D", "Em", "Bm", "C", "D"};
    std::vector<std::string> song = intro;
    const std::vector<const std::vector<std::string>*> form = {
        &verse, &verse, &pre, &chorus, &chorus, &verse, &pre, &chorus, &bridge, &chorus};
    while (song.size() < 200) {
        for (const auto* section : form)
            song.insert(song.end(), section->begin(), section->end());
    }
    song.resize(200);
    return song;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<Note> guitar(kStandardTuningNotes.begin(), kStandardTuningNotes.end());
    const std::vector<Note> eight = {64, 59, 55, 50, 45, 40, 35, 30};
    const std::vector<Case> cases = {
        {"guitarC", "C", guitar, false, 5},
        {"guitar13", "C13", guitar, true, 5},
        {"eight13", "Cmaj13", eight, false, 5},
        {"worst", "", eight, false, 1},
    };
    const std::vector<std::string> chosen(argv + 1, argv + argc);
    const int threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    for (const Case& c : cases) {
        if (!chosen.empty() && std::find(chosen.begin(), chosen.end(), c.name) == chosen.end())
            continue;
        ReadChord chord;
        chord.mask = (1 << 12) - 1;
        if (*c.chord != 0)
            chord = *ReadChordSymbol(c.chord).chord;
        VoicingRequest request;
        request.root = PitchClassOf(chord.root);
        request.intervals = chord.mask;
        request.bass = VoicingBass::Any;
        request.omittable = c.omitNone ? 0 : DefaultOmittable(chord.mask, c.tuning);
        request.lowestFret = 0;
        request.highestFret = 24;
        request.span = 4;
        std::size_t rows = 0;
        const double ms = MedianMs(request, c.tuning, threads, c.runs, rows);
        const double oneThread = MedianMs(request, c.tuning, 1, c.runs, rows);
        std::printf(
            "%s rows=%zu threads=%d ms=%.2f ms_1thread=%.2f", c.name, rows, threads, ms, oneThread);
        if (c.runs == 1) {
            const auto started = std::chrono::steady_clock::now();
            double firstRowMs = -1;
            RunControl firstRow;
            StreamVoicings(
                request, c.tuning, threads, &firstRow, [&](std::vector<Voicing>&& piece) {
                    if (firstRowMs < 0 && !piece.empty()) {
                        firstRowMs = std::chrono::duration<double, std::milli>(
                            std::chrono::steady_clock::now() - started)
                                         .count();
                        firstRow.Stop();
                    }
                });
            RunControl control;
            std::thread run([&] { FindVoicings(request, c.tuning, threads, &control); });
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            const auto stopped = std::chrono::steady_clock::now();
            control.Stop();
            run.join();
            std::printf(" first_row_ms=%.2f stop_ms=%.2f", firstRowMs,
                std::chrono::duration<double, std::milli>(
                    std::chrono::steady_clock::now() - stopped)
                    .count());
        }
        std::printf("\n");
    }
    if (chosen.empty() || std::find(chosen.begin(), chosen.end(), "song200") != chosen.end()) {
        const std::vector<std::string> song = Song200();
        const std::vector<LeadChord> chords = LeadChordsOfSymbols(song, guitar, {});
        bool optimal = false;
        const double ms = MedianSongMs(chords, guitar, threads, optimal);
        const double oneThread = MedianSongMs(chords, guitar, 1, optimal);
        std::printf("song200 chords=%zu threads=%d ms=%.2f ms_1thread=%.2f optimal=%d\n",
            song.size(), threads, ms, oneThread, optimal ? 1 : 0);
    }
    return 0;
}
