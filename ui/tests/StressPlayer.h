#pragma once
// What a person can do to the main window, as a seeded random stream: keys
// typed into the combo boxes (names, near misses, garbage) and the edits
// (numbers mostly), picks from the lists by arrow key or mouse, the quantity
// boxes' arrows, Tab, and the Add, Undo and Reset buttons. Exit, Help and
// About are left out: they leave the window or only show a dialog. The
// result fields are left alone too: what they show is what is checked.
#include "WindowFixture.h"

#include <QLineEdit>
#include <QPushButton>

#include <deque>
#include <functional>
#include <random>

// What an event was, for the checks that follow it.
enum class Kind { AddObject, AddAperture, Undo, Reset, WeightUnit, VolumeUnit, Other };

class StressPlayer {
public:
    StressPlayer(ui::MainWindow& form, std::uint64_t seed) : form_(form), random_(seed) {
        combos_ = form.findChildren<ui::EditCombo*>();
        edits_ = {form.DensityField,   form.ObjectAField,   form.ObjectBField,  form.ObjectCField,
                  form.ApertureCField, form.ApertureAField, form.ApertureBField};
        for (ui::EditCombo* box : combos_)
            for (int i = 0; i < box->count(); ++i)
                names_[box].push_back(box->itemText(i));
        // Names that are no items but mean something.
        names_[form.ObjectTypeBox] << QStringLiteral("Pipe") << QStringLiteral("Hexahedron")
                                   << QStringLiteral("Choose Type");
        names_[form.ApertureTypeBox] << QStringLiteral("Hexahedron");
    }

    // Does the next thing; says what it was.
    Kind Next(QString& what) {
        while (plan_.empty())
            PlanSomething(); // an empty text plans no key
        Action action = std::move(plan_.front());
        plan_.pop_front();
        what = action.What;
        return action.Run();
    }

private:
    std::uint64_t Below(std::uint64_t n) { return random_() % n; }
    bool Chance(int percent) { return Below(100) < std::uint64_t(percent); }
    template <typename T> T Any(const QList<T>& items) {
        return items[qsizetype(Below(std::uint64_t(items.size())))];
    }

    template <typename W> QList<W*> Visible(const QList<W*>& widgets) {
        QList<W*> out;
        for (W* w : widgets)
            if (w->isVisibleTo(&form_)) out << w;
        return out;
    }

    QString Garbage(int length) {
        static const QString keys =
            QStringLiteral("abcxyzABCXYZ0123456789 .,-+eE()/*#_'\"!?%&;:=<>[]{}|~^`$@\\");
        QString out;
        for (int i = 0; i < length; ++i)
            out += keys.at(qsizetype(Below(std::uint64_t(keys.size()))));
        return out;
    }

    // A name, a prefix of one, a name with one character dropped, added or
    // in the other case, or garbage.
    QString NameLike(const QStringList& names) {
        QString name = names.isEmpty() ? QString() : Any(names);
        const auto at = [&] { return qsizetype(Below(std::uint64_t(name.size()))); };
        switch (name.isEmpty() ? 9 : Below(10)) {
        case 0:
        case 1:
        case 2:
        case 3:
            return name;
        case 4:
            return name.left(at());
        case 5:
            return name.remove(at(), 1);
        case 6:
            return name.insert(at(), Garbage(1));
        case 7: {
            const auto i = at();
            name[i] = name[i].isUpper() ? name[i].toLower() : name[i].toUpper();
            return name;
        }
        case 8:
            return name + QLatin1Char(' ');
        default:
            return Garbage(int(1 + Below(12)));
        }
    }

    // A number as a person types it, mostly one that reads.
    QString NumberLike() {
        const QString sep = Below(2) ? QStringLiteral(".") : QStringLiteral(",");
        switch (Below(12)) {
        case 0:
            return QString::number(Below(2000));
        case 1:
        case 2:
            return QString::number(1 + Below(300));
        case 3:
            return QString::number(Below(100)) + sep + QString::number(Below(1000));
        case 4:
            return sep + QString::number(Below(100));
        case 5:
            return QStringLiteral("-") + QString::number(Below(50));
        case 6:
            return QString::number(1 + Below(9)) + QStringLiteral("e") +
                   QString::number(Below(400));
        case 7:
            return QString::number(Below(10)) + sep + QString::number(Below(10)) + sep +
                   QString::number(Below(10));
        case 8:
            return QStringLiteral("9").repeated(int(1 + Below(40)));
        case 9:
            return QStringLiteral(" ") + QString::number(Below(100)) + QStringLiteral(" ");
        default:
            return Garbage(int(1 + Below(6)));
        }
    }

    // The control a key goes to, by the name the window gives it.
    static QString NameOf(const QWidget* w) {
        while (w && w->objectName().isEmpty())
            w = w->parentWidget();
        return w ? w->objectName() : QStringLiteral("?");
    }

    // One step of what a person does: a key, a pick, a click. Typing a text
    // is planned as one step per key, each checked on its own.
    struct Action {
        QString What;
        std::function<Kind()> Run;
    };

    Action Key(QWidget* target, Qt::Key key, Kind kind, Qt::KeyboardModifiers modifiers = {}) {
        return {NameOf(target) + QStringLiteral(" key 0x%1").arg(int(key), 0, 16), [=] {
                    QTest::keyClick(target, key, modifiers);
                    return kind;
                }};
    }

    Action Char(QWidget* target, QChar c, Kind kind) {
        return {NameOf(target) + QStringLiteral(" '") + c + QLatin1Char('\''), [=] {
                    QTest::keyClicks(target, QString(c));
                    return kind;
                }};
    }

    Action Click(QPushButton* button, Kind kind) {
        return {button->text(), [=] {
                    button->click();
                    return kind;
                }};
    }

    Action PickItem(ui::EditCombo* box, const QString& item) {
        return {box->objectName() + QStringLiteral(" picked \"%1\"").arg(item), [=, this] {
                    WindowTest::Pick(box, item);
                    return KindOf(box);
                }};
    }

    // Keys that empty the field (or move the cursor), then the text key by key.
    std::vector<Action> Typing(QWidget* target, const QString& text, Kind kind) {
        std::vector<Action> keys;
        switch (Below(4)) {
        case 0:
            break; // appended where the cursor is
        case 1:
            keys.push_back(Key(target, Below(2) ? Qt::Key_Home : Qt::Key_Left, kind));
            break;
        default:
            keys.push_back(Key(target, Qt::Key_A, kind, Qt::ControlModifier));
            keys.push_back(Key(target, Qt::Key_Backspace, kind));
        }
        for (const QChar c : text)
            keys.push_back(Char(target, c, kind));
        return keys;
    }

    // A part a person describes in full: its type picked, a number in every
    // row shown, perhaps a unit, then the Add.
    void Part(bool object) {
        ui::EditCombo* type = object ? form_.ObjectTypeBox : form_.ApertureTypeBox;
        Plan({PickItem(type, Any(names_[type].mid(0, type->count()))),
              {QStringLiteral("(rows)"), [=, this] {
                   std::vector<Action> rows;
                   const auto edits =
                       object ? QList<QLineEdit*>{form_.ObjectAField, form_.ObjectBField,
                                                  form_.ObjectCField}
                              : QList<QLineEdit*>{form_.ApertureAField, form_.ApertureBField,
                                                  form_.ApertureCField};
                   for (QLineEdit* e : Visible(edits))
                       for (auto& a : Typing(e, QString::number(1 + Below(400)), Kind::Other))
                           rows.push_back(std::move(a));
                   if (object && form_.HexagonalBarSizeBox->isVisibleTo(&form_)) {
                       const auto sizes = form_.SizeBoxes();
                       for (ui::EditCombo* box :
                            Visible(QList<ui::EditCombo*>(sizes.begin(), sizes.end())))
                           rows.push_back(PickItem(
                               box, box->itemText(int(Below(std::uint64_t(box->count()))))));
                   }
                   rows.push_back(Click(object ? form_.AddObjectButton : form_.AddApertureButton,
                                        object ? Kind::AddObject : Kind::AddAperture));
                   Plan(std::move(rows));
                   return Kind::Other;
               }}});
    }

    void Plan(std::vector<Action> actions) {
        for (auto a = actions.rbegin(); a != actions.rend(); ++a)
            plan_.push_front(std::move(*a));
    }

    void PlanSomething() {
        const auto roll = Below(100);
        if (roll < 25) { // typing into a combo box, the unit boxes more often
            const auto visible = Visible(combos_);
            ui::EditCombo* box =
                Chance(30) ? (Below(2) ? form_.WeightUnitBox : form_.VolumeUnitBox) : Any(visible);
            Plan(Typing(box->lineEdit(), NameLike(names_[box]), KindOf(box)));
        } else if (roll < 35) { // a pick: the arrow keys, now and then the list with the mouse
            ui::EditCombo* box = Chance(30) ? (Below(2) ? form_.WeightUnitBox : form_.VolumeUnitBox)
                                            : Any(Visible(combos_));
            if (Chance(10))
                Plan({PickItem(box, box->itemText(int(Below(std::uint64_t(box->count())))))});
            else
                Plan({Key(box, Below(2) ? Qt::Key_Down : Qt::Key_Up, KindOf(box))});
        } else if (roll < 55) {
            // An edit: numbers mostly, sometimes letters, Enter, Tab or Backspace.
            QLineEdit* edit = Any(Visible(edits_));
            if (Chance(10))
                Plan({Key(edit,
                          Any(QList<Qt::Key>{Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Return,
                                             Qt::Key_End, Qt::Key_Tab}),
                          Kind::Other)});
            else
                Plan(Typing(edit, NumberLike(), Kind::Other));
        } else if (roll < 62) { // a quantity box: arrows, typing, or Tab to leave it
            ui::SpinEdit* spin = Below(2) ? form_.ApertureQuantityBox : form_.ObjectQuantityBox;
            if (Chance(60))
                Plan({Key(spin,
                          Any(QList<Qt::Key>{Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp,
                                             Qt::Key_PageDown, Qt::Key_Tab}),
                          Kind::Other)});
            else
                Plan(Typing(spin, Chance(70) ? QString::number(Below(1200)) : Garbage(2),
                            Kind::Other));
        } else if (roll < 70) {
            Part(Below(3) != 0);
        } else if (roll < 82) {
            Plan({Click(form_.AddObjectButton, Kind::AddObject)});
        } else if (roll < 91) {
            Plan({Click(form_.AddApertureButton, Kind::AddAperture)});
        } else if (roll < 99) {
            Plan({Click(form_.UndoButton, Kind::Undo)});
        } else {
            Plan({Click(form_.ResetButton, Kind::Reset)});
        }
    }

    Kind KindOf(const ui::EditCombo* box) const {
        if (box == form_.WeightUnitBox) return Kind::WeightUnit;
        if (box == form_.VolumeUnitBox) return Kind::VolumeUnit;
        return Kind::Other;
    }

    ui::MainWindow& form_;
    std::mt19937_64 random_;
    QList<ui::EditCombo*> combos_;
    QList<QLineEdit*> edits_;
    QHash<const ui::EditCombo*, QStringList> names_;
    std::deque<Action> plan_;
};
