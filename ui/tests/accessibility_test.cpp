// What assistive tools see of the windows: every control a person can reach
// has a name of its own, and the pictures say which shape they show and what
// its letters mean, following the chosen type.
#include "WindowFixture.h"

#include "calc/Shapes.h"
#include "ui/AboutDialog.h"
#include "ui/PictureText.h"

#include <QAccessible>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>

#include <functional>
#include <map>

namespace {

void walk(QAccessibleInterface* node, const std::function<void(QAccessibleInterface*)>& visit) {
    if (!node) return;
    visit(node);
    for (int i = 0; i < node->childCount(); ++i)
        walk(node->child(i), visit);
}

// The name a tool is given. On Linux Qt reports a list box's current text as
// its name and leaves the naming to the name we set; ask for that one.
QString spokenName(QAccessibleInterface* node) {
    if (node->role() == QAccessible::ComboBox)
        if (auto* widget = qobject_cast<QWidget*>(node->object())) return widget->accessibleName();
    return node->text(QAccessible::Name).trimmed();
}

std::string where(QAccessibleInterface* node) {
    QObject* object = node->object();
    if (!object) return "item of " + where(node->parent());
    const QString name = object->objectName().isEmpty()
                             ? QStringLiteral("part of ") + object->parent()->objectName()
                             : object->objectName();
    return name.toStdString();
}

// Every focusable node below the window, hidden ones included (they show
// once a type needs them), must have a name; the controls we named ourselves
// must not share one, or a listener could not tell them apart.
void expectEveryFocusableNodeNamed(QWidget* window) {
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(window);
    ASSERT_NE(root, nullptr);
    std::map<QString, std::string> owners;
    int focusable = 0;
    walk(root, [&](QAccessibleInterface* node) {
        if (!node->state().focusable) return;
        ++focusable;
        const QString name = spokenName(node);
        EXPECT_FALSE(name.isEmpty()) << where(node) << " has no name";
        QObject* object = node->object();
        if (!object || object->objectName().isEmpty() || name.isEmpty()) return;
        const auto [it, fresh] = owners.emplace(name, where(node));
        EXPECT_TRUE(fresh) << where(node) << " and " << it->second << " are both called \""
                           << name.toStdString() << '"';
    });
    EXPECT_GT(focusable, 0);
}

TEST_F(WindowTest, EveryFocusableControlOfTheWindowHasItsOwnName) {
    expectEveryFocusableNodeNamed(form.get());
}

TEST_F(WindowTest, EveryFocusableControlOfTheAboutDialogHasItsOwnName) {
    ui::AboutDialog about(form.get());
    expectEveryFocusableNodeNamed(&about);
    auto* icon = about.findChild<QLabel*>(QStringLiteral("ProgramIcon"));
    ASSERT_NE(icon, nullptr);
    EXPECT_FALSE(icon->accessibleName().isEmpty());
    EXPECT_FALSE(icon->accessibleDescription().isEmpty());
}

TEST_F(WindowTest, ListBoxesNameTheirEditAndListAlike) {
    // Whether a tool reports the box, the edit typed into or the open list,
    // the listener hears what the box is for.
    for (ui::EditCombo* box : form->findChildren<ui::EditCombo*>()) {
        SCOPED_TRACE(box->objectName().toStdString());
        EXPECT_FALSE(box->accessibleName().isEmpty());
        EXPECT_EQ(box->lineEdit()->accessibleName(), box->accessibleName());
        EXPECT_EQ(box->view()->accessibleName(), box->accessibleName());
    }
}

TEST_F(WindowTest, CaptionsInFrontOfAControlLabelItForTools) {
    const std::pair<const char*, const char*> cases[] = {{"MaterialBox", "Material"},
                                                         {"ObjectAField", "a ="},
                                                         {"ApertureBField", "b ="},
                                                         {"VolumeUnitBox", "cubic"}};
    for (const auto& [control, caption] : cases) {
        SCOPED_TRACE(control);
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(
            form->findChild<QWidget*>(QLatin1String(control)));
        ASSERT_NE(node, nullptr);
        QStringList labels;
        for (const auto& [other, relation] : node->relations(QAccessible::Label))
            labels << other->text(QAccessible::Name);
        EXPECT_TRUE(labels.contains(QLatin1String(caption))) << labels.join(u'|').toStdString();
    }
}

// The dimension letters written in a picture's drawing; "R=a" is the letter a.
QSet<QChar> lettersDrawn(const QString& picture) {
    QFile file(QStringLiteral(":/pictures/%1.svg").arg(picture));
    QSet<QChar> letters;
    if (!file.open(QIODevice::ReadOnly)) return letters;
    QXmlStreamReader svg(&file);
    while (!svg.atEnd()) {
        if (svg.readNext() == QXmlStreamReader::StartElement &&
            svg.name() == QLatin1String("text")) {
            const QString text =
                svg.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
            if (!text.isEmpty()) letters.insert(text.back());
        }
    }
    return letters;
}

QSet<QChar> lettersDescribed(const ui::PictureText& text) {
    QSet<QChar> letters;
    if (!text.A.isEmpty()) letters.insert(u'a');
    if (!text.B.isEmpty()) letters.insert(u'b');
    if (!text.C.isEmpty()) letters.insert(u'c');
    return letters;
}

std::string letters(const QSet<QChar>& set) {
    QString out;
    for (QChar c : {u'a', u'b', u'c', u'R'})
        if (set.contains(c)) out += c;
    return out.toStdString();
}

QStringList picturesInUse() {
    QStringList names;
    for (const auto& t : calc::Shapes)
        for (const std::string_view picture : {t.ObjectPicture, t.AperturePicture})
            if (!picture.empty()) names << QString::fromLatin1(picture.data(), picture.size());
    return names;
}

TEST(PictureText, EveryPictureInUseIsDescribedWithTheLettersItsDrawingShows) {
    QSet<QString> descriptions;
    for (const QString& picture : picturesInUse()) {
        SCOPED_TRACE(picture.toStdString());
        const ui::PictureText text = ui::DescribePicture(picture);
        EXPECT_FALSE(text.Shape.isEmpty()) << "no words for this picture";
        EXPECT_EQ(letters(lettersDescribed(text)), letters(lettersDrawn(picture)));
        EXPECT_EQ(text.Hole, picture.startsWith(QLatin1String("P1")));
        descriptions.insert(ui::PictureDescription(text));
    }
    EXPECT_EQ(descriptions.size(), picturesInUse().size()) << "two pictures described alike";
}

// Which letters a description explains, read back from its words.
std::string lettersInDescription(const QString& description) {
    static const QRegularExpression letter(QStringLiteral("\\b([abc]) is\\b"));
    QString out;
    for (auto it = letter.globalMatch(description); it.hasNext();)
        out += it.next().captured(1);
    return out.toStdString();
}

std::string rowsShown(std::initializer_list<QLineEdit*> edits) {
    std::string out;
    char letter = 'a';
    for (QLineEdit* edit : edits) {
        if (edit->isVisible()) out += letter;
        ++letter;
    }
    return out;
}

TEST_F(WindowTest, ObjectPictureTellsTheShapeAndTheRowsOfTheChosenType) {
    const std::pair<const char*, const char*> cases[] = {
        {"Parallelepiped", "Parallelepiped"},
        {"Hexahedral Bar", "Hexagonal bar"},
        {"I-Beam", "I-beam"},
        {"C channel", "C channel"},
        {"Lip channel", "Lip channel"},
        {"Angle", "Angle"},
        {"Cylinder", "Cylinder"},
        {"Prism1", "Prism1"},
        {"Prism2", "Prism2"},
        {"Sphere", "Sphere"},
        {"Part of sphere", "Part of sphere"},
        {"Cone", "Cone"},
        {"Truncated cone", "Truncated cone"},
        {"Pyramid", "Pyramid"},
    };
    ASSERT_EQ(std::size(cases), std::size_t(form->ObjectTypeBox->count()));
    for (const auto& [type, shape] : cases) {
        SCOPED_TRACE(type);
        Pick(form->ObjectTypeBox, QString::fromLatin1(type));
        EXPECT_EQ(form->ObjectPicture->accessibleName().toStdString(),
                  std::string("Object picture: ") + shape);
        const QString description = form->ObjectPicture->accessibleDescription();
        if (calc::FindShape(type, false)->Profile != calc::NoProfile) {
            EXPECT_TRUE(description.contains(QLatin1String("Size box")));
            EXPECT_EQ(lettersInDescription(description), "");
        } else {
            EXPECT_EQ(lettersInDescription(description),
                      rowsShown({form->ObjectAField, form->ObjectBField, form->ObjectCField}));
        }
    }
    Click(form->ResetButton); // Reset blanks the picture, and its words
    EXPECT_EQ(form->ObjectPicture->accessibleName().toStdString(), "Object picture: none");
    EXPECT_EQ(lettersInDescription(form->ObjectPicture->accessibleDescription()), "");
}

TEST_F(WindowTest, AperturePictureTellsTheHoleAndTheRowsOfTheChosenType) {
    for (int item = 0; item < form->ApertureTypeBox->count(); ++item) {
        const QString name = form->ApertureTypeBox->itemText(item);
        SCOPED_TRACE(name.toStdString());
        Pick(form->ApertureTypeBox, name);
        EXPECT_EQ(form->AperturePicture->accessibleName(),
                  QStringLiteral("Aperture picture: ") + name);
        const QString description = form->AperturePicture->accessibleDescription();
        EXPECT_TRUE(description.contains(QLatin1String("hole")));
        EXPECT_EQ(lettersInDescription(description),
                  rowsShown({form->ApertureAField, form->ApertureBField, form->ApertureCField}));
    }
    // A typed name of no type leaves the picture, and so its words, as they were.
    Type(form->ApertureTypeBox, QStringLiteral("Hexahedron"));
    EXPECT_EQ(form->AperturePicture->accessibleName().toStdString(), "Aperture picture: Pyramid");
}

} // namespace
