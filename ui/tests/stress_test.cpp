// The real window under a long, seeded random stream of what a person can do
// (StressPlayer.h). Error boxes are answered at once. After every event the
// result fields hold nothing, the marker or a number in the display format,
// and the totals are finite; after every Add, Undo and unit change the fields
// show exactly what the state and the unit boxes say.
//
// KUBATRIX_STRESS_EVENTS sets the length of the stream (default 40000),
// KUBATRIX_STRESS_SEED its seed; a failure prints both, to replay it.
#include "WindowFixture.h"
#include "StressPlayer.h"
#include "ui/WindowTexts.h"

#include "calc/Calculator.h"
#include "calc/Display.h"
#include "calc/Error.h"
#include "calc/Shapes.h"
#include "catalogue/ProfileSizeTable.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>
#include <cstdlib>
#include <deque>

namespace {

std::uint64_t FromEnvironment(const char* name, std::uint64_t fallback) {
    const char* text = std::getenv(name);
    return text && *text ? std::strtoull(text, nullptr, 10) : fallback;
}

char Separator() {
    const QString point = QLocale::system().decimalPoint();
    return point.size() == 1 && point.at(0).unicode() < 128 ? char(point.at(0).unicode()) : '.';
}

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// A result field's number: fixed with ten decimals below 100000, scientific
// from there, at most five significant digits, never "-" before zero.
bool IsDisplayNumber(const QString& text) {
    const QString sep = QRegularExpression::escape(QString(QLatin1Char(Separator())));
    static const QRegularExpression fixed(
        QStringLiteral("^-?(0|[1-9][0-9]{0,4})%1[0-9]{10}$").arg(sep));
    static const QRegularExpression scientific(
        QStringLiteral("^-?[1-9](%1[0-9]*[1-9])?E([5-9]|[1-9][0-9]+)$").arg(sep));
    const bool isFixed = fixed.match(text).hasMatch();
    if (!isFixed && !scientific.match(text).hasMatch()) return false;
    QString digits = text.left(isFixed ? text.size() : text.indexOf(QLatin1Char('E')));
    digits.remove(QLatin1Char('-')).remove(QLatin1Char(Separator()));
    while (digits.startsWith(QLatin1Char('0')))
        digits.remove(0, 1);
    while (digits.endsWith(QLatin1Char('0')))
        digits.chop(1);
    return digits.size() <= 5 && !(digits.isEmpty() && text.startsWith(QLatin1Char('-')));
}

bool SameTotals(const calc::CalcState& a, const calc::CalcState& b) {
    return a.TotalVolume == b.TotalVolume && a.TotalWeight == b.TotalWeight &&
           a.UndoVolume == b.UndoVolume && a.UndoWeight == b.UndoWeight &&
           a.ProfileWeight == b.ProfileWeight;
}

bool SameState(const calc::CalcState& a, const calc::CalcState& b) {
    return SameTotals(a, b) && a.Density == b.Density && a.ProfileMass == b.ProfileMass &&
           a.ObjectA == b.ObjectA && a.ObjectB == b.ObjectB && a.ObjectC == b.ObjectC &&
           a.ApertureA == b.ApertureA && a.ApertureB == b.ApertureB && a.ApertureC == b.ApertureC &&
           a.ObjectQuantity == b.ObjectQuantity && a.ApertureQuantity == b.ApertureQuantity;
}

// Answers every message box as soon as the event loop turns, so that
// thousands of errors cost no waiting.
class QuickWatch {
public:
    QuickWatch() {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                Messages.push_back(box->text());
                box->button(QMessageBox::Ok)->click();
            } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
                ++OtherDialogs;
                dialog->reject();
            }
        });
        timer_.start();
    }
    std::vector<QString> Messages;
    int OtherDialogs = 0;

private:
    QTimer timer_;
};

// What the window showed before an event.
struct Before {
    calc::CalcState State;
    QString Weight, Volume, WeightUnit, VolumeUnit;
    std::size_t Messages;
};

// Plays the stream and checks the window after every event.
class Stress {
public:
    Stress(ui::MainWindow& form, std::uint64_t seed) : form_(form), player_(form, seed) {}

    // One event; false once a check failed.
    bool Step(std::size_t index) {
        const Before before{form_.State(),
                            form_.WeightField->text(),
                            form_.VolumeField->text(),
                            form_.WeightUnitBox->text(),
                            form_.VolumeUnitBox->text(),
                            watch_.Messages.size()};
        Kind kind = Kind::Other;
        QString what;
        try {
            kind = player_.Next(what);
        } catch (const std::exception& e) {
            return Failed(index, what, QStringLiteral("exception escaped: ") + e.what());
        } catch (...) {
            return Failed(index, what, QStringLiteral("unknown exception escaped"));
        }
        Recent(what);
        const QString problem = Check(kind, before);
        Count(kind, before);
        return problem.isEmpty() || Failed(index, what, problem);
    }

    // How often the stream reached the paths that matter.
    std::size_t Adds = 0, Errors = 0, AperturesUnderMarker = 0, Conversions = 0;
    QString Failure;

private:
    void Count(Kind kind, const Before& b) {
        const QString marker = ui::NoVolumeMarker;
        const QString zero = Total(0.0);
        if (kind == Kind::AddAperture && b.Volume == marker && watch_.Messages.size() == b.Messages)
            ++AperturesUnderMarker;
        if ((kind == Kind::WeightUnit &&
             form_.WeightUnitBox->text() != QStringLiteral("kilogram") &&
             form_.WeightField->text() != zero && form_.WeightField->text() != b.Weight) ||
            (kind == Kind::VolumeUnit && form_.VolumeUnitBox->text() != QStringLiteral("meter") &&
             form_.VolumeField->text() != zero && form_.VolumeField->text() != b.Volume))
            ++Conversions;
    }

    bool Failed(std::size_t index, const QString& what, const QString& problem) {
        Failure = QStringLiteral("event %1 (%2): %3\nlast events:\n").arg(index).arg(what, problem);
        for (const QString& e : recent_)
            Failure += QStringLiteral("  ") + e + QLatin1Char('\n');
        return false;
    }
    void Recent(const QString& what) {
        recent_.push_back(what);
        if (recent_.size() > 25) recent_.pop_front();
    }

    QString Weight(double kilograms, const QString& unit) const {
        return Q(calc::WeightText(kilograms, unit.toStdString(), Separator()));
    }
    QString Volume(double cubicMetres, const QString& unit) const {
        return Q(calc::VolumeText(cubicMetres, unit.toStdString(), Separator()));
    }
    QString Total(double value) const { return Q(calc::FormatTotal(value, Separator())); }

    // The messages an Add may end with, the conversion error naming one of
    // the texts it read.
    bool KnownMessage(const QString& message, const QStringList& texts) const {
        for (const char* m : {calc::Overflow, calc::InvalidOperation})
            if (message == QString::fromLatin1(m) + QLatin1Char('.')) return true;
        for (const QString& t : texts)
            if (message == QStringLiteral("'%1' is not a valid floating point value.").arg(t))
                return true;
        return message.startsWith(
            QStringLiteral("The density '%1' is out of range").arg(form_.DensityField->text()));
    }

    QString Check(Kind kind, const Before& b) {
        const calc::CalcState& s = form_.State();
        const QString weight = form_.WeightField->text(), volume = form_.VolumeField->text();
        const QString marker = ui::NoVolumeMarker;
        if (!std::isfinite(s.TotalVolume) || !std::isfinite(s.TotalWeight))
            return QStringLiteral("a total is not finite");
        if (!weight.isEmpty() && !IsDisplayNumber(weight))
            return QStringLiteral("weight field \"%1\"").arg(weight);
        if (!volume.isEmpty() && volume != marker && !IsDisplayNumber(volume))
            return QStringLiteral("volume field \"%1\"").arg(volume);
        if (watch_.OtherDialogs) return QStringLiteral("a dialog other than the error box opened");

        const bool failed = watch_.Messages.size() > b.Messages;
        const auto unchanged = [&] {
            return SameState(s, b.State) && weight == b.Weight && volume == b.Volume &&
                   form_.WeightUnitBox->text() == b.WeightUnit &&
                   form_.VolumeUnitBox->text() == b.VolumeUnit;
        };
        if (failed) {
            ++Errors;
            const QString message = watch_.Messages.back();
            if (watch_.Messages.size() != b.Messages + 1)
                return QStringLiteral("more than one box");
            if (kind != Kind::AddObject && kind != Kind::AddAperture)
                return QStringLiteral("error box: ") + message;
            const QStringList texts =
                kind == Kind::AddObject
                    ? QStringList{form_.DensityField->text(), form_.ObjectAField->text(),
                                  form_.ObjectBField->text(), form_.ObjectCField->text()}
                    : QStringList{form_.DensityField->text(), form_.ApertureAField->text(),
                                  form_.ApertureBField->text(), form_.ApertureCField->text()};
            if (!KnownMessage(message, texts))
                return QStringLiteral("unknown message \"%1\"").arg(message);
            if (!unchanged())
                return QStringLiteral("a failed Add changed something (%1)").arg(message);
            return {};
        }
        switch (kind) {
        case Kind::AddObject:
        case Kind::AddAperture: {
            if (kind == Kind::AddObject &&
                form_.ObjectTypeBox->text() == QStringLiteral("Choose Type"))
                return unchanged() ? QString()
                                   : QStringLiteral("Add object did something with no type");
            ++Adds;
            if (s.UndoWeight != b.State.TotalWeight || s.UndoVolume != b.State.TotalVolume)
                return QStringLiteral("the snapshot is not the totals before the Add");
            if (form_.WeightUnitBox->text() != QStringLiteral("kilogram") ||
                form_.VolumeUnitBox->text() != QStringLiteral("meter"))
                return QStringLiteral("the unit boxes were not set back");
            if (weight != Total(s.TotalWeight))
                return QStringLiteral("weight \"%1\" for %2 kg").arg(weight).arg(s.TotalWeight);
            QString expected = Total(s.TotalVolume);
            if (kind == Kind::AddObject) {
                const std::string type = form_.ObjectTypeBox->text().toStdString();
                const calc::Shape* t = calc::FindShape(type, false);
                if (t && t->Profile != calc::NoProfile)
                    expected = marker;
                else if (!t)
                    expected = b.Volume;
            } else if (b.Volume == marker) {
                expected = marker;
            }
            return volume == expected
                       ? QString()
                       : QStringLiteral("volume \"%1\", expected \"%2\"").arg(volume, expected);
        }
        case Kind::Undo:
            if (s.TotalWeight != b.State.UndoWeight || s.TotalVolume != b.State.UndoVolume)
                return QStringLiteral("Undo did not restore the snapshot");
            if (weight != Total(s.TotalWeight) || volume != Total(s.TotalVolume))
                return QStringLiteral("after Undo \"%1\" and \"%2\"").arg(weight, volume);
            return {};
        case Kind::Reset:
            return SameState(s, calc::CalcState{}) && weight.isEmpty() && volume.isEmpty()
                       ? QString()
                       : QStringLiteral("Reset left something");
        case Kind::WeightUnit: {
            const QString expected = Weight(s.TotalWeight, form_.WeightUnitBox->text());
            const bool edited = form_.WeightUnitBox->text() != b.WeightUnit;
            if (!SameState(s, b.State)) return QStringLiteral("a unit changed the state");
            return weight == expected || (!edited && weight == b.Weight)
                       ? QString()
                       : QStringLiteral("weight \"%1\", expected \"%2\"").arg(weight, expected);
        }
        case Kind::VolumeUnit: {
            if (!SameState(s, b.State)) return QStringLiteral("a unit changed the state");
            if (b.Volume == marker)
                return volume == marker ? QString() : QStringLiteral("the marker went");
            const QString expected = Volume(s.TotalVolume, form_.VolumeUnitBox->text());
            const bool edited = form_.VolumeUnitBox->text() != b.VolumeUnit;
            return volume == expected || (!edited && volume == b.Volume)
                       ? QString()
                       : QStringLiteral("volume \"%1\", expected \"%2\"").arg(volume, expected);
        }
        case Kind::Other:
            if (!SameTotals(s, b.State) || weight != b.Weight || volume != b.Volume)
                return QStringLiteral("the totals or result fields changed");
            return {};
        }
        return {};
    }

    ui::MainWindow& form_;
    StressPlayer player_;
    QuickWatch watch_;
    std::deque<QString> recent_;
};

// The offscreen platform says for every error box that it cannot raise or
// grab; thousands of those would bury a failure's report.
class QuietPlatform {
public:
    QuietPlatform() { previous_ = qInstallMessageHandler(&QuietPlatform::Handle); }
    ~QuietPlatform() { qInstallMessageHandler(previous_); }

private:
    static void Handle(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (type == QtWarningMsg && text.startsWith(QStringLiteral("This plugin does not support")))
            return;
        if (previous_) previous_(type, context, text);
    }
    static inline QtMessageHandler previous_ = nullptr;
};

TEST(Stress, TheWindowSurvivesALongRandomSession) {
    const QuietPlatform quiet;
    const std::uint64_t seed = FromEnvironment("KUBATRIX_STRESS_SEED", 20240611);
    const std::uint64_t events = FromEnvironment("KUBATRIX_STRESS_EVENTS", 40000);
    ui::MainWindow form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));

    Stress stress(form, seed);
    for (std::size_t i = 0; i < events; ++i) {
        const bool ok = stress.Step(i);
        ASSERT_FALSE(testing::Test::HasFatalFailure()) << "KUBATRIX_STRESS_SEED=" << seed;
        ASSERT_TRUE(ok) << stress.Failure.toStdString()
                        << "replay with KUBATRIX_STRESS_SEED=" << seed
                        << " KUBATRIX_STRESS_EVENTS=" << events
                        << " ui_tests --gtest_filter=Stress.*";
    }
    std::printf(
        "[ stress   ] seed %llu: %llu events, %zu Adds done (%zu apertures under the marker), "
        "%zu error boxes answered, %zu totals converted to another unit\n",
        static_cast<unsigned long long>(seed), static_cast<unsigned long long>(events), stress.Adds,
        stress.AperturesUnderMarker, stress.Errors, stress.Conversions);
    // A stream of the default length must reach every path that matters, not
    // only the error box.
    if (events >= 20000) {
        EXPECT_GT(stress.Adds, events / 100) << "seed " << seed;
        EXPECT_GT(stress.AperturesUnderMarker, 0u) << "seed " << seed;
        EXPECT_GT(stress.Errors, 0u) << "seed " << seed;
        EXPECT_GT(stress.Conversions, 0u) << "seed " << seed;
    }
}

} // namespace
