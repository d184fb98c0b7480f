#include "theory/search/voicing_results.h"

#include "theory/notes/chord_naming.h"

#include <algorithm>
#include <stdexcept>

namespace guivarna::theory {

VoicingResultList::VoicingResultList(VoicingRequest request, std::vector<Note> tuning)
    : request_(request), tuning_(std::move(tuning))
{
}

void VoicingResultList::AppendPiece(std::vector<Voicing>&& piece)
{
    if (piece.empty())
        return;
    const std::lock_guard lock(lock_);
    const std::size_t end = (ends_.empty() ? 0 : ends_.back()) + piece.size();
    pieces_.push_back(std::move(piece));
    ends_.push_back(end);
}

std::size_t VoicingResultList::Count() const
{
    const std::lock_guard lock(lock_);
    return ends_.empty() ? 0 : ends_.back();
}

Voicing VoicingResultList::Get(std::size_t index) const
{
    const std::lock_guard lock(lock_);
    const auto piece = std::upper_bound(ends_.begin(), ends_.end(), index);
    if (piece == ends_.end())
        throw std::out_of_range("no such voicing");
    const auto p = static_cast<std::size_t>(piece - ends_.begin());
    return pieces_[p][index - (p == 0 ? 0 : ends_[p - 1])];
}

std::vector<std::uint32_t> VoicingResultList::RankedOrder() const
{
    const std::lock_guard lock(lock_);
    const std::vector<std::size_t> merged = RankedMerge(pieces_);
    return {merged.begin(), merged.end()};
}

ChordFingering FingeringOfVoicing(const Voicing& voicing, const std::vector<Note>& tuning)
{
    ChordFingering fingering;
    for (std::size_t s = 0; s < voicing.frets.size() && s < tuning.size(); ++s) {
        if (voicing.frets[s] == kNotPlayed)
            continue;
        fingering.StringSet.push_back(static_cast<std::uint32_t>(s + 1));
        fingering.StringNotes.push_back(static_cast<std::uint32_t>(
            60 + PitchClassOf(tuning[s] + static_cast<Note>(voicing.frets[s]))));
        fingering.FretBoardPosition.push_back(static_cast<std::uint32_t>(voicing.frets[s]));
    }
    return fingering;
}

std::string VoicingFretsText(const std::vector<int>& frets, std::string_view separator)
{
    std::string text;
    for (std::size_t s = 0; s < frets.size(); ++s) {
        if (s > 0)
            text += separator;
        text += frets[s] == kNotPlayed ? "x" : std::to_string(frets[s]);
    }
    return text;
}

std::string VoicingName(
    const Voicing& voicing, const VoicingRequest& request, const std::vector<Note>& tuning)
{
    int tones = 0;
    for (int k = 0; k < kPitchClassCount; ++k) {
        if ((request.intervals & (1 << k)) != 0)
            tones |= 1 << ((request.root + k) % kPitchClassCount);
    }
    PitchClass bass = request.root;
    Note lowest = 0;
    bool sounding = false;
    for (std::size_t s = 0; s < voicing.frets.size() && s < tuning.size(); ++s) {
        if (voicing.frets[s] == kNotPlayed)
            continue;
        const Note pitch = tuning[s] + static_cast<Note>(voicing.frets[s]);
        if (!sounding || pitch < lowest) {
            lowest = pitch;
            bass = PitchClassOf(pitch);
            sounding = true;
        }
    }
    return ChordName(request.root, tones, bass);
}

}  // namespace guivarna::theory
