#pragma once

#include <QObject>

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
    int RunChordWizard();

signals:
    // A chord request was set.
    void ChordSearchReady();
    // Start the chord search now (after ChordSearchReady).
    void ChordSearchGo();

private:
    ProgramObjects& objects_;
    QWidget* dialogParent_;
};

}  // namespace guivarna
