#pragma once

#include "theory/notes/notes.h"
#include "theory/search/chord_fingering.h"
#include "theory/search/voicing_search.h"

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace guivarna::theory {

// The voicings of one run of the voicing search, for a list that shows them while the run goes
// on: the search appends its pieces on its threads while the interface thread reads the rows
// found so far. Rows keep the order the pieces came in (window by window); RankedOrder gives
// the ranked order over every row.
class VoicingResultList {
public:
    VoicingResultList(VoicingRequest request, std::vector<Note> tuning);

    const VoicingRequest& Request() const { return request_; }
    // The open notes of the instrument searched, string 1 first.
    const std::vector<Note>& Tuning() const { return tuning_; }

    // Any thread: the rows of piece follow those already held.
    void AppendPiece(std::vector<Voicing>&& piece);
    std::size_t Count() const;
    // Row index (< Count()).
    Voicing Get(std::size_t index) const;
    // The rows in ranked order (each its index); call once the run has ended.
    std::vector<std::uint32_t> RankedOrder() const;

private:
    const VoicingRequest request_;
    const std::vector<Note> tuning_;
    mutable std::mutex lock_;
    std::vector<std::vector<Voicing>> pieces_;
    std::vector<std::size_t> ends_;  // the row after each piece's last
};

// A voicing as a fingering of the chord search: its sounding strings from string 1 up, with
// their chord notes (60..71) and frets, as the ChordBoard and the chord sheet take fingerings.
ChordFingering FingeringOfVoicing(const Voicing& voicing, const std::vector<Note>& tuning);

// The frets of a voicing, string 1 first, joined by separator: x for a string not played, 0 for
// an open one.
std::string VoicingFretsText(const std::vector<int>& frets, std::string_view separator);

// The chord a voicing plays, named for the request's root whether it sounds or not, with its
// bass after a slash when that is not the root: "C", "C/E", "A9".
std::string VoicingName(
    const Voicing& voicing, const VoicingRequest& request, const std::vector<Note>& tuning);

}  // namespace guivarna::theory
