#pragma once

#include "theory/notes/notes.h"

#include <QObject>

#include <functional>
#include <vector>

class QWidget;

namespace guivarna {

struct Command;
struct ProgramObjects;

// The wizards of the menus. Each runs modally and reports a finished request through the
// signals, which the main frame passes on to the calculations window.
class WizardCommands : public QObject {
    Q_OBJECT

public:
    WizardCommands(ProgramObjects& objects, QWidget* dialogParent);

    // The rows these commands add to the command table.
    std::vector<Command> Commands();

    // "&Chord wizard": runs the chord wizard; returns its result (QDialog::Accepted or
    // Rejected).
    // Opens with the given notes chosen (root first), or else with the chord the chord source
    // gives.
    int RunChordWizard(const std::vector<theory::Note>& notes = {});
    // "&Scale wizard": runs the scale wizard; returns its result. Ending it with OK also sends
    // ArpeggioOff, before the wizard closes and so before a started search shows its first scale.
    int RunScaleWizard();

    // Where the chord wizard's notes come from when it opens (root first); no source or no
    // notes: it opens with none chosen.
    void SetChordAtStart(std::function<std::vector<theory::Note>()> source)
    {
        chordAtStart_ = std::move(source);
    }

signals:
    // A chord request was set.
    void ChordSearchReady();
    // Start the chord search now (after ChordSearchReady).
    void ChordSearchGo();
    // A scale request was set.
    void ScaleSearchReady();
    // Start the scale search now (after ScaleSearchReady).
    void ScaleSearchGo();
    // The scale wizard ended with OK: the arpeggio display goes off.
    void ArpeggioOff();

private:
    ProgramObjects& objects_;
    QWidget* dialogParent_;
    std::function<std::vector<theory::Note>()> chordAtStart_;
};

}  // namespace guivarna
