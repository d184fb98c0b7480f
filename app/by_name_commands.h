#pragma once

#include "app/command_table.h"
#include "theory/formats/chord_symbol.h"
#include "theory/hand/scale_fingering.h"
#include "theory/notes/scale_catalogue.h"

#include <QObject>

#include <vector>

class QWidget;

namespace guivarna {

class KovaView;
struct ProgramObjects;

// "Chord by name…" and "Scale by name…": a chord typed as its symbol becomes the current chord,
// a catalogue scale picked by root and name is shown on the ScaleBoard with its roots marked.
class ByNameCommands : public QObject {
    Q_OBJECT

public:
    ByNameCommands(ProgramObjects& objects, KovaView& view, QWidget* dialogParent);

    std::vector<Command> Commands();

    // Run the dialogs modally; OK applies the choice. Return the dialog's result.
    int RunChordByName();
    int RunScaleByName();

    // What OK does, for a chord read from a symbol (false: it does not fit on the ChordBoard,
    // nothing changed) and for a scale.
    bool LoadChord(const theory::ReadChord& chord);
    void ShowScale(const theory::NamedScale& scale);
    // "Voicings": asks for the voicings of the current chord (with the slash bass it was loaded
    // with by name, as long as it is still current); false without a current chord.
    bool VoicingsOfCurrentChord();

signals:
    // The voicings of a chord are wanted: its root, intervals (bit k = k semitones up) and the
    // bass its symbol named (kNoPitchClass: none).
    void VoicingsWanted(theory::PitchClass root, int intervals, theory::PitchClass slashBass);
    // The current chord was replaced and the chord search is ready for it.
    void ChordChanged();
    // "Open in chord wizard" in "Chord by name…": the chord was loaded and the wizard should
    // open with its notes (root first).
    void ChordWizardWanted(const std::vector<theory::Note>& notes);
    // "Scale by name…" showed a scale, fingered in system; position is the index of the
    // position chosen, -1 for the whole scale.
    void ScaleShown(const theory::NamedScale& scale, theory::FingeringSystem system, int position);

private:
    // The chord last loaded by name, to know its slash bass while it is the current chord.
    struct LoadedByName {
        int rootNumber = -1;
        int mask = 0;
        theory::PitchClass bass = theory::kNoPitchClass;
    };

    ProgramObjects& objects_;
    LoadedByName loaded_;
    KovaView& view_;
    QWidget* dialogParent_;
};

}  // namespace guivarna
