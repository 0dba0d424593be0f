#pragma once
// The about dialog: name, version, the ownership notice, the home-page and
// support links, and the two payment buttons. It keeps no state; the main
// window creates one at start-up and shows it modally whenever asked.
#include <QDialog>

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;

namespace ui {

class LinkLabel;

class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);

    // Each opens one address on the desktop.
    void OpenHomePage();
    void WriteToSupport();
    void BuySource();
    void SayThanks();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QFrame* NamePanel = nullptr;
    QLabel* ProgramIcon = nullptr;
    QLabel* ProductName = nullptr;
    QLabel* Version = nullptr;
    QLabel* Notice = nullptr;
    QLabel* HomePageCaption = nullptr;
    LinkLabel* HomePageLink = nullptr;
    QLabel* SupportCaption = nullptr;
    LinkLabel* SupportLink = nullptr;
    QGroupBox* ThanksGroup = nullptr;
    QLabel* ThanksText = nullptr;
    QPushButton* ThankYouButton = nullptr;
    QGroupBox* SourceGroup = nullptr;
    QLabel* SourcePrice = nullptr;
    QPushButton* BuySourceButton = nullptr;
    QPushButton* OkButton = nullptr;
};

} // namespace ui
