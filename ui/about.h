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
}

class TAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* parent = nullptr);

    // Each opens one address on the desktop.
    void Label38Click();
    void Label3Click();
    void Button1Click();
    void Button2Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createPanel();
    void createThankYouGroup();
    void createSourceGroup();
    void connectHandlers();

    QFrame* Panel1 = nullptr;
    QLabel* ProgramIcon = nullptr;
    QLabel* ProductName = nullptr;
    QLabel* Version = nullptr;
    QLabel* Copyright = nullptr;
    QLabel* Label1 = nullptr;
    ui::LinkLabel* Label38 = nullptr;
    QLabel* Label2 = nullptr;
    ui::LinkLabel* Label3 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QLabel* Label6 = nullptr;
    QPushButton* Button2 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label8 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* OKButton = nullptr;
};
