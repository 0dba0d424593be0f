// The built-in pictures: every name the window loads renders at the size of
// the picture boxes and shows its shape; every drawing keeps to the
// 16-colour house palette, its canvas and its size limit; a name without a
// drawing shows the blank panel.
#include "ui/ShapePicture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QSet>
#include <QStringList>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace {

constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Grey = 0xFF808080;
constexpr QRgb Black = 0xFF000000;
constexpr QRgb Silver = 0xFFC0C0C0;
constexpr QRgb Teal = 0xFF008080;
constexpr QRgb NoBody = 0;

// panel: the colour inside the bevel, where no drawing reaches (top left).
// body: the colour the solid or profile is painted in; the blank panel has none.
// letters: the dimension letters written on it, in any order.
struct PictureCase {
    const char* name;
    QRgb panel;
    QRgb body;
    QStringList letters;
};

const std::vector<PictureCase>& pictureCases() {
    static const std::vector<PictureCase> cases = {
        {"ZERO", Silver, NoBody, {}},
        {"P001", Silver, Teal, {"a", "b", "c"}},
        {"P002", Silver, Teal, {"a", "b"}},
        {"P003", Silver, Teal, {"a", "b", "c"}},
        {"P004", Silver, Teal, {"a", "b", "c"}},
        {"P005", Silver, Teal, {"a"}},
        {"P006", Silver, Teal, {"R=a", "b"}},
        {"P007", Silver, Teal, {"a", "b"}},
        {"P008", Silver, Teal, {"a", "b", "c"}},
        {"P009", Silver, Teal, {"c", "a", "b"}},
        {"P101", Teal, Silver, {"a", "b", "c"}},
        {"P102", Teal, Silver, {"a", "b"}},
        {"P103", Teal, Silver, {"a", "b", "c"}},
        {"P104", Teal, Silver, {"a", "b", "c"}},
        {"P105", Teal, Silver, {"a"}},
        {"P106", Teal, Silver, {"R=a", "b"}},
        {"P107", Teal, Silver, {"a", "b"}},
        {"P108", Teal, Silver, {"a", "b", "c"}},
        {"P109", Teal, Silver, {"c", "a", "b"}},
        {"P203", Silver, Teal, {}},
        {"P205", Silver, Teal, {}},
        {"P206", Silver, Teal, {}},
        {"P207", Silver, Teal, {}},
        {"P208", Silver, Teal, {}},
    };
    return cases;
}

// ---------------------------------------------------------------------------
// Rendering

struct RenderCase {
    PictureCase picture;
    qreal ratio;
};

std::vector<RenderCase> renderCases() {
    std::vector<RenderCase> cases;
    for (const PictureCase& picture : pictureCases())
        for (qreal ratio : {1.0, 2.0})
            cases.push_back({picture, ratio});
    return cases;
}

void PrintTo(const RenderCase& c, std::ostream* os) {
    *os << c.picture.name << " at " << c.ratio << "x";
}

class PictureRendering : public ::testing::TestWithParam<RenderCase> {};

TEST_P(PictureRendering, FillsThePictureBoxWithBevelPanelAndShape) {
    const PictureCase& c = GetParam().picture;
    const qreal ratio = GetParam().ratio;
    const QString name = QString::fromLatin1(c.name);
    ASSERT_TRUE(ui::HasShapePicture(name));

    const QPixmap pixmap = ui::ShapePicture(name, ratio);
    EXPECT_EQ(pixmap.deviceIndependentSize(), QSizeF(260, 170));
    EXPECT_EQ(pixmap.size(), QSize(qRound(260 * ratio), qRound(170 * ratio)));
    EXPECT_EQ(pixmap.devicePixelRatio(), ratio);
    // The picture box paints no background of its own.
    EXPECT_FALSE(pixmap.hasAlphaChannel());

    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    const int w = image.width();
    const int h = image.height();
    const int r = qRound(ratio);
    // A raised face: white on the top left, grey then black on the bottom right.
    EXPECT_EQ(image.pixel(0, 0), White);
    EXPECT_EQ(image.pixel(2 * r - 1, h / 2), White);
    EXPECT_EQ(image.pixel(w - 1, h - 1), Black);
    EXPECT_EQ(image.pixel(w / 2, h - 1), Black);
    EXPECT_EQ(image.pixel(w - 1 - r, h / 2), Grey);
    EXPECT_EQ(image.pixel(6 * r, 6 * r), c.panel);

    QHash<QRgb, int> counts;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            ++counts[image.pixel(x, y)];
    EXPECT_GT(counts.size(), 1);
    const double pixels = double(w) * h;
    if (c.body == NoBody) {
        EXPECT_EQ(counts.value(Teal), 0);
        EXPECT_GT(counts.value(c.panel) / pixels, 0.9);
    } else {
        // The shape is a fair part of the picture, not a speck.
        EXPECT_GT(counts.value(c.body) / pixels, 0.03) << "too little of the shape's colour";
        EXPECT_GT(counts.value(c.panel) / pixels, 0.2) << "too little of the panel";
    }
}

INSTANTIATE_TEST_SUITE_P(EveryName, PictureRendering, ::testing::ValuesIn(renderCases()),
                         [](const ::testing::TestParamInfo<RenderCase>& info) {
                             return std::string(info.param.picture.name) + "_x" +
                                    std::to_string(qRound(info.param.ratio));
                         });

TEST(ShapePicture, RendersOncePerNameAndRatio) {
    EXPECT_EQ(ui::ShapePicture(QStringLiteral("P002"), 2.0).cacheKey(),
              ui::ShapePicture(QStringLiteral("P002"), 2.0).cacheKey());
    EXPECT_NE(ui::ShapePicture(QStringLiteral("P002"), 1.0).cacheKey(),
              ui::ShapePicture(QStringLiteral("P002"), 2.0).cacheKey());
}

// The drawings read while the window is idle are the ones pictures are later
// drawn from: what the preparation drew must leave them as they were read.
TEST(ShapePicture, PreparingChangesNoPicture) {
    ui::PrepareShapePictures();
    ui::PrepareShapePictures();
    for (const char* name : {"P001", "P008", "P207"}) {
        SCOPED_TRACE(name);
        QImage fresh(780, 510, QImage::Format_RGB32);
        fresh.fill(Qt::white);
        QPainter painter(&fresh);
        QSvgRenderer(QStringLiteral(":/pictures/%1.svg").arg(QLatin1String(name)))
            .render(&painter, QRectF(0, 0, 780, 510));
        painter.end();
        const QImage kept = ui::ShapePicture(QLatin1String(name), 3.0).toImage();
        EXPECT_EQ(kept.convertToFormat(QImage::Format_RGB32), fresh);
    }
}

// ---------------------------------------------------------------------------
// Names without a drawing

class UnknownPictureName : public ::testing::TestWithParam<const char*> {};

TEST_P(UnknownPictureName, ShowsTheBlankPanel) {
    const QString name = QString::fromUtf8(GetParam());
    EXPECT_FALSE(ui::HasShapePicture(name));
    const QImage blank = ui::ShapePicture(QStringLiteral("ZERO")).toImage();
    EXPECT_EQ(ui::ShapePicture(name).toImage(), blank);
    EXPECT_EQ(ui::ShapePicture(name, 2.0).size(), QSize(520, 340));
}

INSTANTIATE_TEST_SUITE_P(Fallback, UnknownPictureName,
                         ::testing::Values("",                  // nothing chosen
                                           "P000",              // below the solids
                                           "P010",              // past the solids
                                           "P110",              // past the apertures
                                           "P204",              // the gap in the profiles
                                           "p001",              // names are case-sensitive
                                           " P001",             // nor trimmed, at the front
                                           "P001 ",             // or at the back
                                           "P001.svg",          // no file names
                                           "Pipe",              // typed-only solids have none
                                           "../icons/kubatrix", // no paths out of the folder
                                           ":/pictures/P001"));

TEST(ShapePicture, NonPositiveRatioCountsAsOne) {
    EXPECT_EQ(ui::ShapePicture(QStringLiteral("P001"), 0.0).size(), QSize(260, 170));
    EXPECT_EQ(ui::ShapePicture(QStringLiteral("P001"), -2.0).size(), QSize(260, 170));
}

// ---------------------------------------------------------------------------
// The drawings themselves

const QSet<QString>& palette() {
    static const QSet<QString> colours = {
        "#000000", "#800000", "#008000", "#808000", "#000080", "#800080", "#008080", "#C0C0C0",
        "#808080", "#FF0000", "#00FF00", "#FFFF00", "#0000FF", "#FF00FF", "#00FFFF", "#FFFFFF"};
    return colours;
}

bool isColourProperty(const QString& property) {
    static const QSet<QString> names = {"fill",        "stroke",       "color",
                                        "stop-color",  "flood-color",  "lighting-color",
                                        "solid-color", "viewport-fill"};
    return names.contains(property);
}

bool isOpacityProperty(const QString& property) {
    return property == QLatin1String("opacity") || property.endsWith(QLatin1String("-opacity"));
}

// Things that would bring colours, bitmaps or fonts the palette knows nothing of.
bool isForbiddenElement(const QString& element) {
    static const QSet<QString> names = {"image",   "linearGradient", "radialGradient",
                                        "pattern", "filter",         "mask",
                                        "font",    "font-face",      "foreignObject"};
    return names.contains(element);
}

struct SvgFacts {
    QStringList problems;
    QString viewBox;
    QString width;
    QString height;
    QStringList letters;
};

void checkProperty(const QString& property, const QString& value, SvgFacts& facts) {
    const QString v = value.trimmed();
    if (isColourProperty(property) && v != QLatin1String("none") && !palette().contains(v))
        facts.problems << QStringLiteral("%1=\"%2\" is not a palette colour").arg(property, v);
    if (isOpacityProperty(property) && v != QLatin1String("1"))
        facts.problems << QStringLiteral("%1=\"%2\" blends colours").arg(property, v);
}

// Reads a drawing, following the font settings down the element tree so that
// every piece of text is checked against the letters' house style.
SvgFacts readSvg(const QByteArray& data) {
    SvgFacts facts;
    QXmlStreamReader xml(data);
    QList<QHash<QString, QString>> fonts = {{}};
    QString text;
    bool inText = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const QString element = xml.name().toString();
            if (isForbiddenElement(element))
                facts.problems << QStringLiteral("<%1> element").arg(element);
            QHash<QString, QString> font = fonts.last();
            QList<QPair<QString, QString>> properties;
            for (const QXmlStreamAttribute& a : xml.attributes()) {
                const QString name = a.name().toString();
                if (name == QLatin1String("style")) {
                    for (const QString& decl :
                         a.value().toString().split(';', Qt::SkipEmptyParts)) {
                        const qsizetype colon = decl.indexOf(':');
                        if (colon > 0)
                            properties.append({decl.left(colon).trimmed(), decl.mid(colon + 1)});
                    }
                } else {
                    properties.append({name, a.value().toString()});
                }
            }
            for (const auto& [name, value] : properties) {
                checkProperty(name, value, facts);
                if (name.startsWith(QLatin1String("font"))) font[name] = value.trimmed();
            }
            if (element == QLatin1String("svg") && fonts.size() == 1) {
                facts.viewBox = xml.attributes().value("viewBox").toString();
                facts.width = xml.attributes().value("width").toString();
                facts.height = xml.attributes().value("height").toString();
            }
            if (element == QLatin1String("text")) {
                const int size = font.value("font-size").toInt();
                if (font.value("font-family") != QLatin1String("serif") ||
                    font.value("font-weight") != QLatin1String("bold") ||
                    font.value("font-style") != QLatin1String("italic") || size < 14 || size > 16)
                    facts.problems << QStringLiteral("text not in bold italic serif 14-16 px");
                inText = true;
                text.clear();
            }
            fonts.append(font);
        } else if (xml.isCharacters() && inText) {
            text += xml.text();
        } else if (xml.isEndElement()) {
            fonts.removeLast();
            if (xml.name() == QLatin1String("text")) {
                facts.letters << text.trimmed();
                inText = false;
            }
        }
    }
    if (xml.hasError()) facts.problems << QStringLiteral("XML: %1").arg(xml.errorString());
    return facts;
}

QByteArray readResource(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList resourceFiles(const QString& folder) {
    QStringList paths;
    const QDir dir(folder);
    for (const QString& file : dir.entryList({QStringLiteral("*.svg")}, QDir::Files, QDir::Name))
        paths << dir.filePath(file);
    return paths;
}

// Every picture: its canvas, its palette, its size and its letters.
TEST(PictureFiles, KeepToCanvasPaletteAndSize) {
    QHash<QString, QStringList> letters;
    for (const PictureCase& c : pictureCases())
        letters.insert(QString::fromLatin1(c.name), c.letters);

    const QStringList files = resourceFiles(QStringLiteral(":/pictures"));
    EXPECT_GE(files.size(), int(pictureCases().size()));
    for (const QString& path : files) {
        SCOPED_TRACE(path.toStdString());
        const QByteArray data = readResource(path);
        EXPECT_GT(data.size(), 0);
        EXPECT_LT(data.size(), 8 * 1024);
        const SvgFacts facts = readSvg(data);
        EXPECT_TRUE(facts.problems.isEmpty()) << facts.problems.join('\n').toStdString();
        EXPECT_EQ(facts.viewBox, QStringLiteral("0 0 260 170"));
        EXPECT_EQ(facts.width, QStringLiteral("260"));
        EXPECT_EQ(facts.height, QStringLiteral("170"));
        const QString name = QFileInfo(path).baseName();
        if (letters.contains(name)) {
            QStringList found = facts.letters;
            QStringList expected = letters.value(name);
            found.sort();
            expected.sort();
            EXPECT_EQ(found, expected);
        }
    }
}

TEST(IconFiles, KeepToCanvasPaletteAndSize) {
    const QHash<QString, QString> viewBoxes = {
        {QStringLiteral("ProgramIcon"), QStringLiteral("0 0 70 70")},
        {QStringLiteral("kubatrix"), QStringLiteral("0 0 256 256")},
    };
    const QStringList files = resourceFiles(QStringLiteral(":/icons"));
    for (const QString& name : viewBoxes.keys())
        EXPECT_TRUE(files.contains(QStringLiteral(":/icons/%1.svg").arg(name)))
            << name.toStdString();
    for (const QString& path : files) {
        SCOPED_TRACE(path.toStdString());
        const QByteArray data = readResource(path);
        EXPECT_LT(data.size(), 8 * 1024);
        const SvgFacts facts = readSvg(data);
        EXPECT_TRUE(facts.problems.isEmpty()) << facts.problems.join('\n').toStdString();
        const QString name = QFileInfo(path).baseName();
        if (viewBoxes.contains(name)) {
            EXPECT_EQ(facts.viewBox, viewBoxes.value(name));
        }
        const QStringList box = facts.viewBox.split(' ');
        ASSERT_EQ(box.size(), 4);
        EXPECT_EQ(box[2], box[3]) << "icons are square";
    }
}

// The reader above is what keeps the drawings honest, so it must see the
// faults it is there for.
struct ReaderCase {
    const char* what;
    const char* svg;
    bool clean;
};

void PrintTo(const ReaderCase& c, std::ostream* os) {
    *os << c.what;
}

class SvgReader : public ::testing::TestWithParam<ReaderCase> {};

TEST_P(SvgReader, FindsFaults) {
    const SvgFacts facts = readSvg(QByteArray(GetParam().svg));
    EXPECT_EQ(facts.problems.isEmpty(), GetParam().clean)
        << facts.problems.join('\n').toStdString();
}

#define SVG(body) "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 260 170\">" body "</svg>"
#define LETTER_G                                                                                   \
    "<g font-family=\"serif\" font-size=\"16\" font-weight=\"bold\" font-style=\"italic\">"

INSTANTIATE_TEST_SUITE_P(
    Cases, SvgReader,
    ::testing::Values(
        ReaderCase{"palette", SVG("<rect fill=\"#008080\" stroke=\"#000000\"/>"), true},
        ReaderCase{"none", SVG("<path fill=\"none\" stroke=\"#FFFFFF\"/>"), true},
        ReaderCase{"letter", SVG(LETTER_G "<text>a</text></g>"), true},
        ReaderCase{"off_palette", SVG("<rect fill=\"#C0C0C1\"/>"), false},
        ReaderCase{"lower_case", SVG("<rect fill=\"#c0c0c0\"/>"), false},
        ReaderCase{"short_hex", SVG("<rect stroke=\"#FFF\"/>"), false},
        ReaderCase{"named", SVG("<rect fill=\"red\"/>"), false},
        ReaderCase{"style", SVG("<rect style=\"stroke:#000000;fill:#123456\"/>"), false},
        ReaderCase{"gradient", SVG("<linearGradient id=\"g\"/>"), false},
        ReaderCase{"bitmap", SVG("<image href=\"x.png\"/>"), false},
        ReaderCase{"blend", SVG("<rect fill=\"#FFFFFF\" fill-opacity=\"0.5\"/>"), false},
        ReaderCase{"sans",
                   SVG("<text font-family=\"sans-serif\" font-size=\"16\" "
                       "font-weight=\"bold\" font-style=\"italic\">a</text>"),
                   false},
        ReaderCase{"upright",
                   SVG("<g font-family=\"serif\" font-size=\"16\" font-weight=\"bold\">"
                       "<text>a</text></g>"),
                   false},
        ReaderCase{"tiny",
                   SVG("<g font-family=\"serif\" font-size=\"9\" font-weight=\"bold\" "
                       "font-style=\"italic\"><text>a</text></g>"),
                   false},
        ReaderCase{"broken", "<svg><rect></svg>", false}),
    [](const ::testing::TestParamInfo<ReaderCase>& info) { return std::string(info.param.what); });

#undef LETTER_G
#undef SVG

} // namespace
