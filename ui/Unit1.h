#pragma once
// The main window. How the pieces meet:
//  - The widgets hold the user's input and show the results; they are built
//    from one table of places (Layout.cpp) and named as the handlers call them.
//  - Each handler reads the controls' texts into plain values, calls one
//    function of the core (calc/, catalogue/) and writes the result back. The
//    core never sees a widget; the window never decides a calculation.
//  - The core works on a copy of CalcState and throws calc::Error on failure;
//    the window stores the new state only after the call returned, so a
//    failed click leaves everything as it was, and Guarded() shows the error.
#include "calc/Add.h"
#include "calc/CalcState.h"

#include <QWidget>

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TAboutBox;

namespace ui {
class EditCombo;
class LinkLabel;
class SpinEdit;
} // namespace ui

class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);

    void SetAboutBox(TAboutBox* about) { AboutBox = about; }
    const calc::CalcState& State() const { return State_; }

    // The controls, named as in the handlers.
    QGroupBox *GroupBox1, *GroupBox2, *GroupBox3, *GroupBox4, *GroupBox5;
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label7, *Label8, *Label9, *Label10,
        *Label11, *Label12, *Label16, *Label17, *Label22, *Label34, *Label36;
    ui::LinkLabel* Label38;
    QLabel *Image1, *Image2;
    ui::EditCombo *ComboBox1, *ComboBox2, *ComboBox3, *ComboBox4, *ComboBox5, *ComboBox6,
        *ComboBox7, *ComboBox8, *ComboBox9, *ComboBox10, *ComboBox11, *ComboBox12, *ComboBox13,
        *ComboBox14, *ComboBox15, *ComboBox16;
    QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5, *Edit7, *Edit8, *Edit9, *Edit10;
    ui::SpinEdit *SpinEdit1, *SpinEdit2;
    QPushButton *BitBtn1, *BitBtn2, *BitBtn3, *BitBtn4, *BitBtn5, *BitBtn6, *BitBtn7;

    // The size boxes in the order of ProfileMass.
    std::array<ui::EditCombo*, 5> SizeBoxes() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void CreateControls(); // Layout.cpp
    void ConnectHandlers();

    void FormCreate();
    void BitBtn1Click();
    void BitBtn4Click();
    void BitBtn6Click();
    void Label38Click();
    void ComboBox1Change();
    void ComboBox2Change();
    void ComboBox3Change();
    void ComboBox6Change(); // hexagonal bar
    void ComboBox7Change(); // I-beam
    void ComboBox8Change(); // C channel
    void ComboBox9Change(); // lip channel
    void ComboBox10Change(); // angle
    void SizeBoxChange(int profile);
    void ComboBox15Change();
    void ComboBox16Change();
    void BitBtn2Click();
    void BitBtn3Click();
    void Reset();
    void BitBtn5Click();
    void BitBtn7Click();

    void ShowPicture(QLabel* image, const QString& name);
    void ShowAddOutcome(const calc::AddOutcome& outcome);
    calc::AddInput ObjectInput() const;
    calc::AddInput ApertureInput() const;

    calc::CalcState State_;
    TAboutBox* AboutBox = nullptr;
    bool Painted_ = false;
};
