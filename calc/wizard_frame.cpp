#include "calc/wizard_frame.h"

#include "calc/wizard_list.h"
#include "calc/wizard_page.h"
#include "resources/strings.h"
#include "resources/text.h"
#include "widgets/window_placement.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace guivarna::calc {

namespace {

// The area a page gets, about the size of the pages' designs.
constexpr QSize kPageArea(440, 264);

// Enter must not press any button of a wizard, whichever control has the focus.
void NoDefaultButtons(QWidget& root)
{
    for (QPushButton* button : root.findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
}

}  // namespace

WizardFrame::WizardFrame(
    settings::SettingsStore& store, const QString& placementKeyWord, QWidget* parent)
    : QDialog(parent), store_(store), placementBase_(widgets::PlacementBase(placementKeyWord))
{
    setModal(true);
    placeholder_ = new QWidget(this);
    placeholder_->setObjectName(QStringLiteral("placeholder"));
    placeholder_->setMinimumSize(kPageArea);
    auto* pageLayout = new QGridLayout(placeholder_);
    pageLayout->setContentsMargins(0, 0, 0, 0);

    calculate_ = new QCheckBox(Text(strings::kCalculateRightAway), this);
    calculate_->setObjectName(QStringLiteral("calculateRightAway"));
    back_ = MakeWizardButton(Text(strings::kWizardBack), "back", this);
    next_ = MakeWizardButton(Text(strings::kWizardNext), "next", this);
    cancel_ = MakeWizardButton(Text(strings::kWizardCancel), "cancel", this);
    finish_ = MakeWizardButton(Text(strings::kWizardFinish), "finish", this);
    NoDefaultButtons(*this);

    auto* checkRow = new QHBoxLayout;
    checkRow->addStretch();
    checkRow->addWidget(calculate_);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    for (QPushButton* button : {back_, next_, cancel_, finish_})
        buttonRow->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(placeholder_, 1);
    layout->addLayout(checkRow);
    layout->addLayout(buttonRow);

    connect(back_, &QPushButton::clicked, this, [this] { OnBack(); });
    connect(next_, &QPushButton::clicked, this, [this] { OnNext(); });
    connect(cancel_, &QPushButton::clicked, this, &WizardFrame::reject);
    connect(finish_, &QPushButton::clicked, this, [this] { OnFinish(); });
}

WizardFrame::~WizardFrame()
{
    // The placement is kept before the pages go; the pages are destroyed with the placeholder.
    SavePlacement();
    for (WizardPage* page : pages_) {
        if (page->IsCreated() && page->OnKillActive())
            page->OnPageDestroy();
    }
}

void WizardFrame::AddPage(WizardPage* page)
{
    page->setParent(placeholder_);
    page->hide();
    pages_.push_back(page);
}

WizardPage* WizardFrame::CurrentPage() const
{
    const int index = CurrentIndex();
    return index < 0 ? nullptr : Page(index);
}

int WizardFrame::CurrentIndex() const
{
    const auto it = std::find_if(
        pages_.begin(), pages_.end(), [](const WizardPage* p) { return p->IsCurrent(); });
    return it == pages_.end() ? -1 : static_cast<int>(it - pages_.begin());
}

bool WizardFrame::CalculateRightAway() const
{
    return calculate_->isChecked();
}

WizardPage* WizardFrame::PageById(int templateId) const
{
    const auto it = std::find_if(pages_.begin(), pages_.end(),
        [templateId](const WizardPage* p) { return p->TemplateId() == templateId; });
    return it == pages_.end() ? nullptr : *it;
}

bool WizardFrame::ActivatePage(WizardPage* page)
{
    if (page == nullptr)
        return false;
    if (!page->created_) {
        page->CreateControls();
        NoDefaultButtons(*page);
        page->created_ = true;
        page->frame_ = this;
        static_cast<QGridLayout*>(placeholder_->layout())
            ->addWidget(page, 0, 0, Qt::AlignLeft | Qt::AlignTop);
        page->hide();
        if (!page->OnPageCreated())
            return false;
    }
    if (WizardPage* current = CurrentPage(); current != nullptr && current != page) {
        if (!current->OnKillActive())
            return false;
        current->hide();
        current->current_ = false;
    }
    page->setEnabled(true);
    page->show();
    page->repaint();
    page->OnSetActive();
    page->current_ = true;
    return true;
}

void WizardFrame::Start()
{
    calculate_->setChecked(true);
    back_->setEnabled(false);
    const bool single = pages_.size() < 2;
    finish_->setEnabled(single);
    next_->setEnabled(!single);
    if (!pages_.empty())
        ActivatePage(pages_.front());
    widgets::RestorePlacement(*this, store_, placementBase_);
}

void WizardFrame::OnBack()
{
    Step(Direction::Back);
}

void WizardFrame::OnNext()
{
    Step(Direction::Next);
}

void WizardFrame::Step(Direction direction)
{
    WizardPage* current = CurrentPage();
    if (current == nullptr)
        return;
    const bool back = direction == Direction::Back;
    if (!back && !current->CanGoNext())
        return;
    const int target = back ? current->GetBackPage() : current->GetNextPage();
    if (target == -1)
        return;
    WizardPage* page = nullptr;
    if (target != 0) {
        page = PageById(target);
    } else if (const int index = CurrentIndex() + static_cast<int>(direction);
               index >= 0 && index < PageCount()) {
        page = Page(index);
    }
    if (page == nullptr || !ActivatePage(page))
        return;
    // At either end the button toward it goes; Finish comes with the last page and goes with
    // the first. The way back where one came from is always open.
    QPushButton* toward = back ? back_ : next_;
    QPushButton* away = back ? next_ : back_;
    if (page == (back ? pages_.front() : pages_.back())) {
        toward->setEnabled(false);
        finish_->setEnabled(!back);
    }
    away->setEnabled(true);
    if (!back)
        ReachedByNext(page);
}

void WizardFrame::reject()
{
    for (WizardPage* page : pages_) {
        if (page->IsCreated() && !page->OnQueryCancel())
            return;
    }
    QDialog::reject();
}

void WizardFrame::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void WizardFrame::SavePlacement()
{
    widgets::SavePlacement(*this, store_, placementBase_);
}

}  // namespace guivarna::calc
