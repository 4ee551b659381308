// Choice of an earlier study, which becomes the current study again.

#include "ui/shell/palaia.h"

#include "ui/report/Form13.h"
#include "ui/services/Dialogs.h"
#include "ui/services/StudyAccess.h"
#include "ui/services/Twips.h"
#include "ui/services/WindowFrame.h"
#include "ui/services/WindowRegistry.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

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

    WindowFrame::apply(this, WindowFrame::Frame::FixedDialogWithClose, 6105, 3630);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().topLeft() + Twips::point(2400, 1800));

    store::StudyList::Offer offer = store::StudyList::offer(StudyAccess::installation());
    studies_ = std::move(offer.studies);
    for (const store::StudyEntry& study : studies_)
        EPILOGI->addItem(QString::fromStdString(study.display()));
    EPILOGI->setCurrentIndex(-1);
    StudyAccess::stored(this, offer.status);
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
