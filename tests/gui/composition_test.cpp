// Every control as designed: kind, container, place, texts, fonts, colours, hint, pointer.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QScrollBar>
#include <QSet>
#include <memory>
#include <optional>

#include "form1.h"

namespace frankierung {
namespace {

struct Twips {
    double left, top, width, height;
};

struct ControlRow {
    const char* name;
    const char* kind;
    const char* parent;
    Twips place;
    const char* text;    // nullptr: not checked
    const char* family;  // nullptr: the default font
    double points;
    bool bold;
    std::optional<QColor> background;
    std::optional<QColor> foreground;
    const char* tooltip;
    std::optional<Qt::CursorShape> cursor;
};

const QColor kPanel{224, 224, 224};
const QColor kLegend{192, 192, 192};
const QColor kWhite{255, 255, 255};
constexpr const char* kTimes = "Times New Roman";
constexpr auto none = std::nullopt;

// clang-format off
const ControlRow kControls[] = {
    {"picContainer", "frankierung::PictureBox", "Form1.client", {480, 360, 13395, 9195}, nullptr, nullptr, 0, false, kPanel, none, "", none},
    {"picLegende", "frankierung::PictureBox", "picContainer", {0, 0, 3150, 8655}, nullptr, kTimes, 9.75, false, kLegend, none, "", none},
    {"picGraph", "frankierung::PictureBox", "picContainer", {3360, 120, 8955, 6435}, nullptr, kTimes, 15.75, false, kPanel, none, "", Qt::BitmapCursor},
    {"picAB", "frankierung::PictureBox", "frmABC", {540, 3660, 555, 315}, nullptr, nullptr, 0, false, QColor(0, 0, 0), kWhite, "", Qt::ArrowCursor},
    {"picBC", "frankierung::PictureBox", "frmABC", {540, 4080, 555, 315}, nullptr, nullptr, 0, false, QColor(0, 0, 192), kWhite, "", Qt::ArrowCursor},
    {"picCA", "frankierung::PictureBox", "frmABC", {540, 4500, 555, 315}, nullptr, nullptr, 0, false, QColor(255, 0, 0), kWhite, "", Qt::ArrowCursor},
    {"Picture1(0)", "frankierung::PictureBox", "picGraph", {60, 60, 1515, 2055}, nullptr, nullptr, 0, false, kPanel, none, "", Qt::SizeAllCursor},
    {"Picture1(1)", "frankierung::PictureBox", "picGraph", {1380, 0, 1515, 2055}, nullptr, nullptr, 0, false, kPanel, none, "", Qt::SizeAllCursor},
    {"Picture1(2)", "frankierung::PictureBox", "picGraph", {2880, 120, 1515, 2055}, nullptr, nullptr, 0, false, kPanel, none, "", Qt::SizeAllCursor},

    {"txtPos", "frankierung::MultiLineTextBox", "picContainer", {2100, 8220, 5055, 375}, "", "Courier", 12, true, kPanel, QColor(0, 0, 0), "", none},
    {"txtN", "frankierung::TextBox", "picContainer", {10980, 0, 975, 435}, "N =", kTimes, 12, false, kWhite, none, "", none},
    {"txtPrüf", "frankierung::TextBox", "picContainer", {11700, 720, 1155, 435}, "200", kTimes, 12, false, kWhite, none, "darzustellende Zahl wählen", none},
    {"txtLog", "frankierung::MultiLineTextBox", "picContainer", {11040, 1380, 2130, 7230}, ".\n", kTimes, 9.75, false, kWhite, none, "", none},
    {"StartAB", "frankierung::TextBox", "frmABC", {1140, 3660, 495, 315}, "", nullptr, 0, false, kPanel, none, "stabil ab", Qt::ArrowCursor},
    {"StartBC", "frankierung::TextBox", "frmABC", {1140, 4080, 495, 315}, "", nullptr, 0, false, kPanel, none, "stabil ab", Qt::ArrowCursor},
    {"StartCA", "frankierung::TextBox", "frmABC", {1140, 4500, 495, 315}, "", nullptr, 0, false, kPanel, none, "stabil ab", Qt::ArrowCursor},
    {"StartABC", "frankierung::TextBox", "frmABC", {1140, 5100, 495, 315}, "", nullptr, 0, false, kPanel, none, "jede Zahl ab", none},
    {"txtMarke(0)", "frankierung::TextBox", "frmABC", {600, 720, 675, 405}, "6", kTimes, 14.25, true, none, none, "Markenwert eingeben", none},
    {"txtMarke(1)", "frankierung::TextBox", "frmABC", {600, 1260, 675, 390}, "10", kTimes, 14.25, true, none, none, "Markenwert eingeben", none},
    {"txtMarke(2)", "frankierung::TextBox", "frmABC", {600, 1800, 675, 390}, "15", kTimes, 14.25, true, none, none, "Markenwert eingeben", none},
    {"txtRechnung", "frankierung::MultiLineTextBox", "Picture1(2)", {120, 120, 1275, 1755}, "Geduld bitte, Rechnu\nng läuft\n", kTimes, 14.25, true, QColor(255, 0, 0), QColor(255, 255, 0), "", none},

    {"cmdZeigen", "frankierung::CommandButton", "frmABC", {120, 360, 1515, 315}, "zeigen", nullptr, 0, false, kPanel, none, "", none},
    {"cmdMarkeplus(0)", "frankierung::CommandButton", "frmABC", {1320, 720, 315, 225}, "+", kTimes, 9.75, false, kPanel, none, "", none},
    {"cmdMarkeMinus(0)", "frankierung::CommandButton", "frmABC", {1320, 960, 315, 225}, "-", kTimes, 9.75, false, kPanel, none, "", none},
    {"cmdMarkeplus(1)", "frankierung::CommandButton", "frmABC", {1320, 1260, 315, 225}, "+", kTimes, 9.75, false, kPanel, none, "", none},
    {"cmdMarkeMinus(1)", "frankierung::CommandButton", "frmABC", {1320, 1500, 315, 225}, "-", kTimes, 9.75, false, kPanel, none, "", none},
    {"cmdMarkeplus(2)", "frankierung::CommandButton", "frmABC", {1320, 1800, 315, 225}, "+", kTimes, 9.75, false, kPanel, none, "", none},
    {"cmdMarkeMinus(2)", "frankierung::CommandButton", "frmABC", {1320, 2040, 315, 225}, "-", kTimes, 9.75, false, kPanel, none, "", none},
    {"cmdCls", "frankierung::CommandButton", "frmABC", {120, 2340, 1515, 315}, "löschen", nullptr, 0, false, kPanel, none, "", none},
    {"cmdLoeschen", "frankierung::CommandButton", "picContainer", {9060, 0, 315, 375}, "X", nullptr, 0, false, none, none, "", none},
    {"cmdWie", "frankierung::CommandButton", "picContainer", {9420, 240, 915, 375}, "Darstellung", nullptr, 0, false, kPanel, none, "", none},

    {"Label1(1)", "QLabel", "frmABC", {180, 780, 375, 375}, "A=", kTimes, 14.25, false, kLegend, none, "", none},
    {"Label1(2)", "QLabel", "frmABC", {180, 1320, 375, 375}, "B=", kTimes, 14.25, false, kLegend, none, "", none},
    {"Label1(3)", "QLabel", "frmABC", {180, 1860, 375, 375}, "C=", kTimes, 14.25, false, kLegend, none, "", none},
    {"Label1(0)", "QLabel", "frmABC", {120, 3660, 375, 255}, "A, B", kTimes, 9.75, false, kLegend, none, "", none},
    {"Label1(4)", "QLabel", "frmABC", {120, 4080, 435, 375}, "B, C", kTimes, 9.75, false, kLegend, none, "", none},
    {"Label1(5)", "QLabel", "frmABC", {120, 4500, 435, 375}, "C, A", kTimes, 9.75, false, kLegend, none, "", none},
    {"Label1(6)", "QLabel", "frmABC", {120, 5100, 915, 375}, "A, B, C", kTimes, 12, false, kLegend, none, "", none},
    {"Label2(0)", "QLabel", "Picture1(0)", {840, 180, 435, 195}, "6c", "MS Sans Serif", 9.75, false, kWhite, none, "", none},
    {"Label2(1)", "QLabel", "Picture1(1)", {900, 180, 375, 195}, "10c", "MS Sans Serif", 9.75, false, kWhite, none, "", none},
    {"Label2(2)", "QLabel", "Picture1(2)", {840, 180, 435, 195}, "15c", "MS Sans Serif", 9.75, false, kWhite, none, "", none},

    {"frmABC", "QGroupBox", "picLegende", {180, 1740, 1815, 5655}, "A,  B, C ...", nullptr, 0, false, kLegend, none, "", none},
    {"Image1", "frankierung::ImageBox", "picLegende", {120, 120, 1860, 1725}, nullptr, nullptr, 0, false, none, none, "", none},
    {"hscn", "QScrollBar", "picContainer", {45, 8640, 7335, 375}, nullptr, nullptr, 0, false, none, none, "", none},
};
// clang-format on

class Composition : public ::testing::TestWithParam<ControlRow> {
protected:
    static void SetUpTestSuite() { form_ = std::make_unique<Form1>(); }
    static void TearDownTestSuite() { form_.reset(); }
    static QWidget* find(const char* name) {
        if (QString::fromUtf8(name) == QStringLiteral("Form1.client")) {
            return form_->centralWidget();
        }
        return form_->findChild<QWidget*>(QString::fromUtf8(name));
    }
    static std::unique_ptr<Form1> form_;
};
std::unique_ptr<Form1> Composition::form_;

QString textOf(QWidget* w) {
    if (auto* line = qobject_cast<QLineEdit*>(w)) {
        return line->text();
    }
    if (auto* multi = qobject_cast<QTextEdit*>(w)) {
        return multi->toPlainText();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        return button->text();
    }
    if (auto* label = qobject_cast<QLabel*>(w)) {
        return label->text();
    }
    if (auto* frame = qobject_cast<QGroupBox*>(w)) {
        return frame->title();
    }
    return {};
}

QColor backgroundOf(QWidget* w) {
    if (auto* box = qobject_cast<PictureBox*>(w)) {
        return box->backColor();
    }
    if (qobject_cast<QLineEdit*>(w) != nullptr || qobject_cast<QTextEdit*>(w) != nullptr) {
        return w->palette().color(QPalette::Base);
    }
    if (qobject_cast<QAbstractButton*>(w) != nullptr) {
        return w->palette().color(QPalette::Button);
    }
    return w->palette().color(QPalette::Window);
}

QColor foregroundOf(QWidget* w) {
    if (auto* box = qobject_cast<PictureBox*>(w)) {
        return box->foreColor();
    }
    return w->palette().color(QPalette::Text);
}

TEST_P(Composition, MatchesTheDesign) {
    const ControlRow& row = GetParam();
    QWidget* w = find(row.name);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->inherits(row.kind)) << w->metaObject()->className();
    ASSERT_NE(w->parentWidget(), nullptr);
    EXPECT_EQ(w->parentWidget(), find(row.parent));

    // In pixels from the container's inner corner.
    QRect expected = twipsRect(row.place.left, row.place.top, row.place.width, row.place.height);
    if (auto* box = qobject_cast<PictureBox*>(w->parentWidget())) {
        expected.translate(box->innerRect().topLeft());
    }
    const QRect actual = w->geometry();
    EXPECT_NEAR(actual.left(), expected.left(), 1);
    EXPECT_NEAR(actual.top(), expected.top(), 1);
    EXPECT_NEAR(actual.width(), expected.width(), 1);
    EXPECT_NEAR(actual.height(), expected.height(), 1);

    if (row.text != nullptr) {
        EXPECT_EQ(textOf(w), QString::fromUtf8(row.text));
    }
    if (row.family != nullptr) {
        EXPECT_EQ(w->font().family(), QString::fromUtf8(row.family));
        EXPECT_DOUBLE_EQ(w->font().pointSizeF(), row.points);
    } else {
        EXPECT_EQ(w->font(), QApplication::font(w));
    }
    EXPECT_EQ(w->font().bold(), row.bold);
    EXPECT_EQ(w->font().weight(), row.bold ? QFont::Bold : QFont::Normal);
    if (row.background) {
        EXPECT_EQ(backgroundOf(w), *row.background);
    }
    if (row.foreground) {
        EXPECT_EQ(foregroundOf(w), *row.foreground);
    }
    EXPECT_EQ(w->toolTip(), QString::fromUtf8(row.tooltip));
    EXPECT_FALSE(w->accessibleName().isEmpty());
    EXPECT_TRUE(w->accessibleDescription().startsWith(w->toolTip()));
    if (row.cursor) {
        EXPECT_EQ(w->cursor().shape(), *row.cursor);
    }
    EXPECT_TRUE(w->isEnabled());
    EXPECT_FALSE(w->isHidden());
}

INSTANTIATE_TEST_SUITE_P(Design, Composition, ::testing::ValuesIn(kControls),
                         [](const ::testing::TestParamInfo<ControlRow>& param) {
                             std::string name;
                             for (const char* c = param.param.name; *c != '\0'; ++c) {
                                 if (std::isalnum(static_cast<unsigned char>(*c)) != 0) {
                                     name += *c;
                                 } else if (*c == '(') {
                                     name += '_';
                                 }
                             }
                             return name;
                         });

TEST(CompositionWhole, HasFortyFourNamedControls) {
    Form1 form;
    int named = 0;
    QSet<QString> accessibleNames;  // a screen reader tells every control apart
    for (const ControlRow& row : kControls) {
        const auto found = form.findChildren<QWidget*>(QString::fromUtf8(row.name));
        named += found.size() == 1 ? 1 : 0;
        for (const QWidget* w : found) {
            accessibleNames.insert(w->accessibleName());
        }
    }
    EXPECT_EQ(named, 44);
    EXPECT_EQ(accessibleNames.size(), 44);
    EXPECT_EQ(std::size(kControls), 44u);
}

TEST(CompositionDetails, ScrollBarRange) {
    Form1 form;
    EXPECT_EQ(form.hscn->orientation(), Qt::Horizontal);
    EXPECT_EQ(form.hscn->minimum(), 0);
    EXPECT_EQ(form.hscn->maximum(), 1534);
    EXPECT_EQ(form.hscn->value(), 0);
    EXPECT_EQ(form.hscn->singleStep(), 1);
    EXPECT_EQ(form.hscn->pageStep(), 10);
}

TEST(CompositionDetails, ChartDrawingSettings) {
    Form1 form;
    EXPECT_EQ(form.picGraph->drawWidth(), 2);
    EXPECT_EQ(form.picGraph->fillColor(), QColor(240, 240, 240));
    EXPECT_TRUE(form.picGraph->hasMouseTracking());
    EXPECT_EQ(form.picLegende->drawWidth(), 2);
    for (PictureBox* box : {form.picContainer, form.picAB, form.picBC, form.picCA}) {
        EXPECT_TRUE(box->hasSunkenBorder()) << box->objectName().toStdString();
    }
    for (PictureBox* box :
         {form.picLegende, form.picGraph, form.Picture1[0], form.Picture1[1], form.Picture1[2]}) {
        EXPECT_FALSE(box->hasSunkenBorder()) << box->objectName().toStdString();
    }
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(form.Picture1[i]->picturePath(), QStringLiteral(":/pictures/stamp%1.svg").arg(i));
    }
}

TEST(CompositionDetails, IconPointerIsASquareInASquareWithCentredHotspot) {
    Form1 form;
    const QCursor cursor = form.picGraph->cursor();
    const QPixmap pixmap = cursor.pixmap();
    ASSERT_FALSE(pixmap.isNull());
    EXPECT_EQ(cursor.hotSpot(), QPoint(pixmap.width() / 2, pixmap.height() / 2));
    // Along the middle row: outer edge, inner edge, centre empty, inner edge, outer edge.
    const QImage image = pixmap.toImage();
    const int y = image.height() / 2;
    int edges = 0;
    bool inside = false;
    for (int x = 0; x < image.width(); ++x) {
        const bool dark = qAlpha(image.pixel(x, y)) > 0 && qGray(image.pixel(x, y)) < 64;
        edges += dark && !inside ? 1 : 0;
        inside = dark;
    }
    EXPECT_EQ(edges, 4);
    EXPECT_EQ(qAlpha(image.pixel(image.width() / 2, y)), 0);
}

TEST(CompositionDetails, PostHornAtItsOwnSize) {
    Form1 form;
    const QPixmap pixmap = form.Image1->pixmap();
    ASSERT_FALSE(pixmap.isNull());
    EXPECT_EQ(pixmap.deviceIndependentSize().toSize(), QSize(124, 115));
    EXPECT_EQ(form.Image1->size(), QSize(124, 115));
}

TEST(CompositionDetails, FontFacesResolveToMetricTwins) {
    const struct {
        const char* design;
        const char* resolved;
    } faces[] = {{"Times New Roman", "Liberation Serif"},
                 {"Courier", "Liberation Mono"},
                 {"MS Sans Serif", "Liberation Sans"}};
    for (const auto& face : faces) {
        EXPECT_EQ(QFontInfo(designFont(QString::fromUtf8(face.design), 12)).family(),
                  QString::fromUtf8(face.resolved))
            << face.design;
    }
}

}  // namespace
}  // namespace frankierung
