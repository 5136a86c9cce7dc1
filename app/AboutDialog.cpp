#include "AboutDialog.h"

#include "ProgramInfo.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

namespace corvid::app {

namespace {

QLabel* Line(QWidget* parent, const QString& text, const char* name) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

} // namespace

CAboutDialog::CAboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutDialog"));
    setWindowTitle(tr("About Corvid"));
    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(QStringLiteral(":/icons/corvid.png")).pixmap(48, 48));

    auto* texts = new QVBoxLayout;
    texts->addWidget(
        Line(this, tr("Corvid Version %1").arg(QLatin1String(kProgramVersion)), "version"));
    texts->addWidget(
        Line(this, tr("Release date: %1").arg(QLatin1String(kReleaseDate)), "releaseDate"));
    const QString address = QLatin1String(kMakerWebAddress);
    QLabel* link = Line(this, QStringLiteral("<a href=\"%1\">%1</a>").arg(address.toHtmlEscaped()),
                        "webAddress");
    link->setTextFormat(Qt::RichText);
    link->setOpenExternalLinks(true);
    texts->addWidget(link);

    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addLayout(texts);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace corvid::app
