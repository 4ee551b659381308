// Tachymetric survey entry: the area for each of five terrain slopes, and levelling.

#include "ui/works/form5.h"

#include "store/study/Study.h"
#include "ui/services/StudyAccess.h"
#include "ui/services/TabCycler.h"
#include "ui/services/Twips.h"
#include "ui/services/WindowFrame.h"
#include "ui/services/WindowKeys.h"
#include "ui/works/QuantityBoxes.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>

#include <algorithm>

namespace velmora::ui {
namespace {

struct Slope {
    const char16_t* caption;
    const char16_t* key;
    const char16_t* description;
};

constexpr std::array<Slope, form5::kSlopes> kSlopeTabs = {{
    {u"0%-5%", u"0-5", u"Κλίση εδάφους έως 5%"},
    {u"5%-20%", u"5-20", u"Κλίση εδάφους 5%-20%"},
    {u"20%-50%", u"20-50", u"Κλίση εδάφους 20%-50%"},
    {u"50%-100%", u"50-100", u"Κλίση Εδάφους 50%-100%"},
    {u"100% ανω", u"ανω100", u"Κλίση εδάφους άνω του 100%"},
}};

// Panels stand inside the tab strip's page, in twips.
constexpr int kPanelLeft = 210;
constexpr int kPanelHeight = 2760;

} // namespace

form5::form5(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("form5"));
    setWindowTitle(QStringLiteral("Ταχυμετρικες Αποτυπωσεις στην ύπαιθρο"));

    tbsOptions = new QTabBar(this);
    tbsOptions->setObjectName(QStringLiteral("tbsOptions"));
    tbsOptions->setDrawBase(false);
    tbsOptions->setExpanding(false);
    for (const Slope& slope : kSlopeTabs) {
        const int tab = tbsOptions->addTab(QString::fromUtf16(slope.caption));
        tbsOptions->setTabData(tab, QString::fromUtf16(slope.key));
        tbsOptions->setTabToolTip(tab, QString::fromUtf16(slope.description));
    }
    tbsOptions->setUsesScrollButtons(false);
    tbsOptions->setElideMode(Qt::ElideNone);
    // All five tabs stay in sight: where the font is too wide for the strip, the window widens.
    const int stripWidth = std::max(Twips::toPixels(5985), tbsOptions->sizeHint().width());
    tbsOptions->setGeometry(Twips::toPixels(120), Twips::toPixels(120), stripWidth,
                            tbsOptions->sizeHint().height());

    // The page under the tabs, the frame the panels sit in.
    auto* page = new QFrame(this);
    page->setFrameShape(QFrame::StyledPanel);
    page->setGeometry(Twips::toPixels(120), tbsOptions->geometry().bottom() + 1, stripWidth,
                      Twips::toPixels(kPanelHeight + 150));

    for (int i = 0; i < kSlopes; ++i) {
        picOptions[i] = new QFrame(this);
        picOptions[i]->setObjectName(QStringLiteral("picOptions"));
        picOptions[i]->setProperty("index", i);
        picOptions[i]->setGeometry(Twips::toPixels(kPanelLeft), page->y() + 6,
                                   stripWidth - 2 * Twips::toPixels(kPanelLeft - 120),
                                   Twips::toPixels(kPanelHeight));
        Label1[i] = new QLabel(QStringLiteral("Εμβαδό: "), picOptions[i]);
        Label1[i]->setObjectName(QStringLiteral("Label1"));
        Label1[i]->setProperty("index", i);
        Label1[i]->setGeometry(Twips::rect(240, 600, 1200, 300));
        E[i] = new QLineEdit(picOptions[i]);
        E[i]->setObjectName(QStringLiteral("E"));
        E[i]->setProperty("index", i);
        E[i]->setGeometry(Twips::rect(1440, 560, 2400, 375));
        Label1[i]->setBuddy(E[i]);
    }

    H = new QCheckBox(QStringLiteral("Υψομέτρηση"), this);
    H->setObjectName(QStringLiteral("H"));
    H->setGeometry(Twips::rect(240, 3480, 2400, 375));

    Submite = new QPushButton(QStringLiteral("Υποβολή"), this);
    Submite->setObjectName(QStringLiteral("Submite"));
    Submite->setGeometry(Twips::rect(2265, 4200, 1695, 495));

    setTabOrder(tbsOptions, E[0]);
    for (int i = 1; i < kSlopes; ++i)
        setTabOrder(E[i - 1], E[i]);
    setTabOrder(E[kSlopes - 1], H);
    setTabOrder(H, Submite);

    connect(tbsOptions, &QTabBar::currentChanged, this, &form5::tbsOptions_Click);
    connect(Submite, &QPushButton::clicked, this, &form5::Submite_Click);
    TabCycler::install(this, tbsOptions, {picOptions.begin(), picOptions.end()});
    WindowKeys::enterPresses(this, Submite);
    // Esc leaves the window as the close box does: what was typed is not stored.
    WindowKeys::escapeCloses(this);

    tbsOptions->setCurrentIndex(0);
    tbsOptions_Click();

    for (int i = 0; i < kSlopes; ++i)
        fields_.push_back({E[i], QStringLiteral("%1 (%2)").arg(QuantityBoxes::fieldName(Label1[i]),
                                                               tbsOptions->tabToolTip(i))});
    const auto shown = QuantityBoxes::showStored(this, store::Work::Tachymetry, fields_);
    if (shown.size() > kSlopes) {
        H->setChecked(store::Study::elevationTicked(shown[kSlopes].stored));
        untouchedElevation_ = shown[kSlopes].stored;
    }
    connect(H, &QCheckBox::toggled, this, [this] { untouchedElevation_.reset(); });

    WindowFrame::apply(this, WindowFrame::Frame::FixedDialogWithClose,
                       std::max(6225, Twips::fromPixels(stripWidth + Twips::toPixels(240))), 5010);
    WindowFrame::centre(this);
    E[0]->setFocus();
}

void form5::tbsOptions_Click() {
    // Exactly one panel is in view and usable; the others keep what was typed in them.
    const int selected = tbsOptions->currentIndex();
    for (int i = 0; i < kSlopes; ++i) {
        picOptions[i]->setVisible(i == selected);
        picOptions[i]->setEnabled(i == selected);
    }
}

void form5::Submite_Click() {
    // A wrong area on a tab out of view is shown to the user before they are told of it.
    for (int i = 0; i < kSlopes; ++i)
        if (!store::TypedQuantity::read(E[i]->text().toStdString(), fields_[i].shown)) {
            tbsOptions->setCurrentIndex(i);
            break;
        }
    auto readings = QuantityBoxes::read(this, fields_);
    if (!readings) return;
    auto study = StudyAccess::currentOrWarn(this);
    if (study &&
        StudyAccess::stored(
            this, study->storeTyped(store::Work::Tachymetry, *readings,
                                    store::Study::Elevation{H->isChecked(), untouchedElevation_})))
        close();
}

} // namespace velmora::ui
