// Choice of an earlier study, which becomes the current study again.

#include "ui/shell/palaia.h"

#include "ui/report/Form13.h"
#include "ui/services/Dialogs.h"
#include "ui/services/StudyAccess.h"
#include "ui/services/Twips.h"
#include "ui/services/WindowFrame.h"
#include "ui/services/WindowKeys.h"
#include "ui/services/WindowRegistry.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace velmora::ui {

palaia::palaia(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("palaia"));
    setWindowTitle(QStringLiteral("Εισαγωγή Προηγούμενης Μελέτης"));

    Label1 = new QLabel(QStringLiteral("Εισαγωγή της μελέτης του Ιδιοκτήτη κ.κ."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(Twips::rect(360, 360, 5385, 375));
    EPILOGI = new QComboBox(this);
    EPILOGI->setObjectName(QStringLiteral("EPILOGI"));
    EPILOGI->setGeometry(Twips::rect(360, 960, 5385, 375));
    EPILOGI->setMaxVisibleItems(20);
    Label1->setBuddy(EPILOGI);
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(Twips::rect(2400, 2520, 1335, 495));

    connect(EPILOGI, &QComboBox::activated, this, &palaia::EPILOGI_Click);
    connect(OKButton, &QPushButton::clicked, this, &palaia::OKButton_Click);
    WindowKeys::enterPresses(this, OKButton);
    WindowKeys::escapeCloses(this);

    WindowFrame::apply(this, WindowFrame::Frame::FixedDialogWithClose, 6105, 3630);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().topLeft() + Twips::point(2400, 1800));

    store::StudyList::Offer offer = store::StudyList::offer(StudyAccess::installation());
    studies_ = std::move(offer.studies);
    for (const store::StudyEntry& study : studies_)
        EPILOGI->addItem(QString::fromStdString(study.display()));
    EPILOGI->setCurrentIndex(-1);
    widenToEntries();
    StudyAccess::stored(this, offer.status);
}

void palaia::widenToEntries() {
    // A long owner name shows whole, in the list and once chosen, as far as the screen allows.
    EPILOGI->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    int wanted = EPILOGI->sizeHint().width();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        wanted = std::min(wanted, screen->availableGeometry().width() * 3 / 4);
    const int extra = wanted - EPILOGI->width();
    if (extra <= 0) return;
    EPILOGI->resize(wanted, EPILOGI->height());
    Label1->resize(wanted, Label1->height());
    OKButton->move(OKButton->x() + extra / 2, OKButton->y());
    setFixedWidth(width() + extra);
}

void palaia::EPILOGI_Click(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= studies_.size()) return;
    StudyAccess::stored(this, store::StudyList::choose(StudyAccess::installation(),
                                                       static_cast<std::size_t>(index),
                                                       studies_[static_cast<std::size_t>(index)]));
}

void palaia::OKButton_Click() {
    WindowRegistry::show<Form13>();
    close();
}

} // namespace velmora::ui
