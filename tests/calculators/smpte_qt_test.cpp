// The SMPTE tab, used as a person does: choose a rate and an operator, type
// the two codes field by field, read the result row; the sums run on the core
// and again through the real window, where a long count of hours also shows
// whole in its 28-pixel result, on the line of the rest of the row.

#include "viewuser.h"

#include <QFontMetrics>
#include <QLabel>

#include <sstream>
#include <string>

namespace {

// The lowest row of ink a label draws, in the window: where digits stand;
// -1 for none.
int InkBottom(QWidget& label)
{
    const QImage shot = label.grab().toImage();
    for (int y = shot.height() - 1; y >= 0; --y)
        for (int x = 0; x < shot.width(); ++x)
            if (qGray(shot.pixel(x, y)) < 128)
                return label.mapTo(label.window(), QPoint(0, y)).y();
    return -1;
}

void TypeCode(SimUser& user, const char* code, char row)
{
    std::istringstream parts(code);
    std::string part;
    for (char unit : std::string("HMSF"))
        if (parts >> part && part != "0")
            user.TypeInto(std::string{unit, row}, part);
}

TEST(SMPTETab, ShowsTheNormalisedSumOrDifference)
{
    const char* const rows[][6] = {
        // name, rate, first code, operator, second code, result; codes and results "hours minutes seconds frames"
        {"help example at 29.97", "29.97 fps", "0 90 24 20", " +", "0", "1 30 24 20.00"},
        {"across an hour", "24 fps", "0 59 59 23", " +", "0 0 0 2", "1 0 0 1.00"},
        {"subtraction", "30 fps", "1 0 0 0", " -", "0 0 0 1", "0 59 59 29.00"},
        {"fractional frames", "29.97 fps", "0 0 0 45", " +", "0", "0 0 1 15.03"},
        {"fractional minutes", "25 fps", "0 1.5 0 3", " +", "0", "0 1 30 3.00"},
        // A negative total: its length, with the sign before the hours.
        {"second code longer", "25 fps", "0", " -", "0 0 0 30", "-0 0 1 5.00"},
        {"negative input", "24 fps", "-1 30 0 0", " +", "0", "-0 30 0 0.00"},
        // 29.97 has no exact Double: whole seconds stay whole.
        {"whole minute at 29.97", "29.97 fps", "0 1 0 0", " +", "0", "0 1 0 0.00"},
        {"same length two ways", "29.97 fps", "0 1 45 0", " -", "0 0 105 0", "0 0 0 0.00"},
        // Beyond 2^31 seconds.
        {"past integer seconds", "29.97 fps", "600000 0 0 0", " +", "0", "600000 0 0 0.00"},
        {"past integer seconds less a frame", "30 fps", "600000 0 0 0", " -", "0 0 0 1", "599999 59 59 29.00"},
        {"too many hours for the smallest type", "25 fps", "3000000 0 0 0", " +", "0", "3000000 0 0 0.00"},
        {"hours in the smallest type", "25 fps", "30000000 1 0 0", " +", "0", "30000000 1 0 0.00"},
        // Too long to count to the hundredth of a frame: no "INF", no "NAN".
        {"too long", "30 fps", "1e300 0 0 0", " +", "0", "   "},
        {"beyond a Double", "30 fps", "1e400 0 0 0", " +", "0", "   "},
        {"infinity less infinity", "30 fps", "1e308 0 0 0", " -", "1e308 0 0 0", "   "},
    };
    for (bool view : {false, true}) {
        for (auto [name, rate, first, op, second, result] : rows) {
            SCOPED_TRACE(std::string(name) + (view ? ", through the view" : ""));
            auto user = NewUser(view);
            user->Start();
            user->ChooseTab("SMPTE");
            // Each choice must recompute at once: the rate comes between the codes, the operator last.
            TypeCode(*user, first, '1');
            user->ChoosePopupItem("SMPTEformat", rate);
            TypeCode(*user, second, '2');
            user->ChoosePopupItem("operateur", op);
            EXPECT_EQ(user->Text("H3") + " " + user->Text("M3") + " " + user->Text("S3") + " " + user->Text("F3"), result);
            if (view) {
                auto& hours = static_cast<QLabel&>(ViewUser::ShownWidget("Cadenzo", "H3"));
                EXPECT_LE(QFontMetrics(hours.font()).horizontalAdvance(hours.text()), hours.width());
                EXPECT_EQ(InkBottom(hours), InkBottom(ViewUser::ShownWidget("Cadenzo", "M3"))) << "on the minutes' line";
            }
        }
    }
}

} // namespace
