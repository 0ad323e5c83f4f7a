#include "tabout.h"

#include "clicklabel.h"
#include "desktop.h"
#include "protocol.h"
#include "tchat.h"
#include "theme.h"
#include "uitext.h"

#include <QHBoxLayout>
#include <QPushButton>

Tabout::Tabout(Desktop &desktop, QWidget *mainWindow)
    : GameWindow(QStringLiteral("about"), QString(), QSize(304, 174), mainWindow)
    , m_desktop(desktop)
{
    UiText::set(this, staticMetaObject, QT_TR_NOOP("Tavlix - About"), UiText::Role::WindowTitle);
    auto *logo = new ClickLabel(this);
    logo->setObjectName(QStringLiteral("image_logo"));
    logo->setGeometry(23, 8, 258, 69);
    logo->setPixmap(Theme::logo(258, 69));
    UiText::set(logo, staticMetaObject, QT_TR_NOOP("Orvel Software web site"), UiText::Role::AccessibleName);
    logo->setFocusPolicy(Qt::NoFocus); // the address below is the keyboard's way to the site
    logo->clicked = [this] { label_urlClick(); };

    auto *url = new ClickLabel(this);
    url->setObjectName(QStringLiteral("label_url"));
    url->setGeometry(0, 84, 304, 20);
    url->setAlignment(Qt::AlignCenter);
    QFont linkFont = Theme::arial(13, true);
    linkFont.setUnderline(true);
    url->setFont(linkFont);
    QPalette palette = url->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 160));
    url->setPalette(palette);
    const QString address = QString::fromLatin1(Tchat::WebAddress);
    url->setText(QString(address).remove(QStringLiteral("http://")));
    UiText::set(url, staticMetaObject, QT_TR_NOOP("Orvel Software web site"), UiText::Role::AccessibleName);
    url->setToolTip(address);
    url->clicked = [this] { label_urlClick(); };

    // "Version" 1.0.0 ".0": the middle label is the version the client
    // sends at login, so the window always shows what the host compares.
    auto *versionRow = new QWidget(this);
    versionRow->setGeometry(0, 110, 304, 18);
    auto *row = new QHBoxLayout(versionRow);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    auto *caption = new QLabel(versionRow);
    //: Followed by the version number, e.g. "Version 1.0.0.0"
    UiText::set(caption, staticMetaObject, QT_TR_NOOP("Version "));
    auto *version = new QLabel(QString::fromLatin1(wire::ProgramVersion), versionRow);
    version->setObjectName(QStringLiteral("version"));
    version->setFont(Theme::arial(11, true));
    QPalette maroon = version->palette();
    maroon.setColor(QPalette::WindowText, QColor(128, 0, 0));
    version->setPalette(maroon);
    auto *build = new QLabel(QStringLiteral(".0"), versionRow);
    build->setObjectName(QStringLiteral("label_build"));
    build->setFont(version->font());
    build->setPalette(maroon);
    row->addStretch();
    row->addWidget(caption);
    row->addWidget(version);
    row->addWidget(build);
    row->addStretch();

    auto *done = new QPushButton(this);
    UiText::set(done, staticMetaObject, QT_TR_NOOP("Done"));
    done->setObjectName(QStringLiteral("button_done"));
    done->setGeometry(114, 138, 76, 26);
    done->setDefault(true);
    connect(done, &QPushButton::clicked, this, &Tabout::button_doneClick);
}

void Tabout::label_urlClick()
{
    m_desktop.openUrl(QString::fromLatin1(Tchat::WebAddress));
}

void Tabout::button_doneClick()
{
    close();
}
