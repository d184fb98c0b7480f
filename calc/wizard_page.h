#pragma once

#include <QWidget>

namespace guivarna::calc {

class WizardFrame;

// One page of a wizard. The page object exists from the wizard's start, but its controls are
// built only when the page is first shown (CreateControls); from then on it keeps them, hidden
// while another page is current, so going back shows the page as it was left.
class WizardPage : public QWidget {
    Q_OBJECT

public:
    explicit WizardPage(int templateId);

    int TemplateId() const { return templateId_; }
    bool IsCreated() const { return created_; }
    bool IsCurrent() const { return current_; }
    WizardFrame* Frame() const { return frame_; }

    // Right after the controls were built; false aborts the page's activation.
    virtual bool OnPageCreated() { return true; }
    // Before the wizard goes away, for a created page whose OnKillActive agreed.
    virtual void OnPageDestroy() { }
    // Before the page is hidden or destroyed; false keeps it.
    virtual bool OnKillActive() { return true; }
    // After the page has been shown.
    virtual void OnSetActive() { }
    // On Cancel, for every created page; false keeps the wizard open.
    virtual bool OnQueryCancel() { return true; }
    // On Back / Next: the template id of the page to go to, 0 for the neighbouring page, -1 to
    // stay.
    virtual int GetBackPage() { return 0; }
    virtual int GetNextPage() { return 0; }
    // Asked by the wizard's Next before leaving the page; false stays (the page says why).
    virtual bool CanGoNext() = 0;

protected:
    // Builds the page's controls and lays them out on the page.
    virtual void CreateControls() = 0;

private:
    friend class WizardFrame;

    int templateId_;
    bool created_ = false;
    bool current_ = false;
    WizardFrame* frame_ = nullptr;
};

}  // namespace guivarna::calc
