#include "calc/wizard_page.h"

namespace guivarna::calc {

WizardPage::WizardPage(int templateId) : templateId_(templateId)
{
    setObjectName(QStringLiteral("page%1").arg(templateId));
}

}  // namespace guivarna::calc
