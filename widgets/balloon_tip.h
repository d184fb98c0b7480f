#pragma once

#include <QList>
#include <QString>
#include <QWidget>

// Temporary stand-in until the balloon tip lands on main; same interface subset.
namespace guivarna::widgets {

class BalloonTip : public QWidget {
    Q_OBJECT

public:
    BalloonTip(const QString& title, const QString& content);
    ~BalloonTip() override;
    QString Title() const { return title_; }
    QString Content() const { return content_; }

private:
    QString title_;
    QString content_;
};

void ShowInputError(QWidget* control, const QString& title, const QString& content);
QList<BalloonTip*> OpenBalloons();

}  // namespace guivarna::widgets
