// Choice of an earlier study, which becomes the current study again.

#include "ui/shell/palaia.h"

#include "store/Installation.h"
#include "store/StudyList.h"
#include "store/TextPath.h"
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

    const std::filesystem::path installation = StudyAccess::installation();
    const std::vector<store::StudyEntry> studies = store::StudyList::readAll(installation);
    for (const store::StudyEntry& study : studies)
        EPILOGI->addItem(QString::fromStdString(study.display()),
                         QString::fromStdString(study.folderName()));
    EPILOGI->setCurrentIndex(-1);
    if (store::Status written = store::StudyList::writeIndex(installation, studies); !written)
        Dialogs::failure(this, written.error());
}

void palaia::EPILOGI_Click(int index) {
    if (index < 0) return;
    const std::filesystem::path installation = StudyAccess::installation();
    // The first hundred studies are found through the index, as they always were; the list
    // itself knows every one of them.
    std::string folderName;
    const std::vector<std::string> places = store::StudyList::readIndex(installation);
    if (static_cast<std::size_t>(index) < places.size())
        folderName = places[static_cast<std::size_t>(index)];
    if (folderName.empty()) folderName = EPILOGI->itemData(index).toString().toStdString();
    if (folderName.empty()) {
        // Pointing at the installation folder itself would pass its own files off as a study.
        Dialogs::message(this, QStringLiteral("Η μελέτη «%1» δεν έχει όνομα ιδιοκτήτη, οπότε δεν "
                                              "έχει φάκελο. Η τρέχουσα μελέτη δεν άλλαξε.")
                                   .arg(EPILOGI->itemText(index)));
        return;
    }
    store::Status pointed = store::Installation::setCurrentStudy(
        installation, installation / store::TextPath::fromUtf8(folderName));
    if (!pointed) Dialogs::failure(this, pointed.error());
}

void palaia::OKButton_Click() {
    WindowRegistry::show<Form13>();
    close();
}

} // namespace velmora::ui
