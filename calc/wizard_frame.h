#pragma once

#include "settings/settings_store.h"

#include <QDialog>
#include <QString>

#include <vector>

class QCheckBox;
class QPushButton;

namespace guivarna::calc {

class WizardPage;

// The modal frame of a wizard: shows its pages one at a time in a placeholder area, runs Back,
// Next, Cancel and Finish, carries the "Calculate right away" check box and keeps its window
// placement in the settings under its own key word. Derived wizards add their pages, call
// Start() and define Finish.
class WizardFrame : public QDialog {
    Q_OBJECT

public:
    // placementKeyWord names the placement in the settings ("ChordWizard").
    WizardFrame(
        settings::SettingsStore& store, const QString& placementKeyWord, QWidget* parent = nullptr);
    ~WizardFrame() override;

    // Appends a page (the frame owns it). Pages are shown in the order they were added.
    void AddPage(WizardPage* page);
    // Makes the page current, building its controls first when it has none yet; false when the
    // page refused to be created or the current page refused to be left.
    bool ActivatePage(WizardPage* page);

    int PageCount() const { return static_cast<int>(pages_.size()); }
    WizardPage* Page(int index) const { return pages_.at(static_cast<std::size_t>(index)); }
    WizardPage* CurrentPage() const;
    int CurrentIndex() const;

    QPushButton* BackButton() const { return back_; }
    QPushButton* NextButton() const { return next_; }
    QPushButton* CancelButton() const { return cancel_; }
    QPushButton* FinishButton() const { return finish_; }
    bool CalculateRightAway() const;

    // The buttons' actions (also reachable by clicking them). Next leaves a page only when its
    // CanGoNext agrees.
    void OnBack();
    void OnNext();
    virtual void OnFinish() = 0;
    // Closes the wizard as cancelled when every created page agrees.
    void reject() override;

protected:
    // Shows the first page with the buttons set for it and restores the stored placement.
    // Called by the derived wizard once its pages are added.
    void Start();

    void keyPressEvent(QKeyEvent* event) override;

    // After Next has made page current: the wizard hands it what the earlier pages hold.
    virtual void ReachedByNext(WizardPage* /*page*/) { }

private:
    enum class Direction { Back = -1, Next = 1 };

    // Back or Next: to the page the current one names, or else its neighbour that way, with
    // the buttons set for the page reached.
    void Step(Direction direction);
    WizardPage* PageById(int templateId) const;
    void SavePlacement();

    settings::SettingsStore& store_;
    QString placementBase_;
    std::vector<WizardPage*> pages_;
    QWidget* placeholder_ = nullptr;
    QCheckBox* calculate_ = nullptr;
    QPushButton* back_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* finish_ = nullptr;
};

}  // namespace guivarna::calc
