#include "thelp.h"

#include "theme.h"

#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTextBrowser>

namespace {

struct Topic
{
    const char *caption;
    int page;
};

// From top to bottom, with the page each one brings to the front.
constexpr Topic Topics[] = {{"Overview", 1}, {"Connecting", 2}, {"Game Play", 3}, {"Scoring", 4},
                            {"Options", 7},  {"Documentation", 5}, {"License", 6}, {"The Lobby", 8}};

// Flat blue buttons with a silver caption that turns white under the
// mouse; a dotted frame shows the keyboard focus.
const char *const ButtonStyle =
    "QPushButton { background-color: rgb(65, 90, 133); color: silver; border: 1px solid rgb(65, 90, 133); }"
    "QPushButton:hover { color: white; }"
    "QPushButton:focus { border: 1px dotted white; }"
    "QPushButton:pressed { background-color: rgb(45, 65, 100); }";

QPushButton *addButton(QWidget *parent, const QString &caption, const char *name, int top)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(10, top, 117, 20);
    button->setFont(Theme::arial(11, true));
    button->setStyleSheet(QString::fromLatin1(ButtonStyle));
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

} // namespace

Thelp::Thelp(QWidget *mainWindow)
    : GameWindow(QStringLiteral("help"), QStringLiteral("Tavlix - Help File"), QSize(556, 422), mainWindow)
{
    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("label_title"));
    m_title->setGeometry(145, 6, 401, 20);
    m_title->setAlignment(Qt::AlignCenter);
    m_title->setFont(Theme::arial(15, true));

    int top = 12;
    QPushButton *first = nullptr;
    for (const Topic &topic : Topics) {
        const QByteArray name = "SelButton" + QByteArray::number(topic.page);
        QPushButton *button = addButton(this, QString::fromLatin1(topic.caption), name.constData(), top);
        button->setProperty("page", topic.page);
        connect(button, &QPushButton::clicked, this, [this, button] { SelButton1Click(button); });
        top += 24;
        if (!first)
            first = button;
    }
    QPushButton *about = addButton(this, QStringLiteral("About"), "button_about", top);
    connect(about, &QPushButton::clicked, this, &Thelp::button_aboutClick);
    QPushButton *done = addButton(this, QStringLiteral("Done"), "button_done", 392);
    connect(done, &QPushButton::clicked, this, &Thelp::button_doneClick);

    m_pages = new QStackedWidget(this);
    m_pages->setGeometry(145, 30, 401, 382);
    for (int page = 1; page <= PageCount; ++page) {
        auto *text = new QTextBrowser(m_pages);
        text->setObjectName(QStringLiteral("page%1").arg(page));
        text->setFont(Theme::arial(11));
        text->setOpenLinks(false);
        text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        QPalette palette = text->palette();
        palette.setColor(QPalette::Base, Theme::paneColour);
        palette.setColor(QPalette::Text, Qt::black);
        text->setPalette(palette);
        text->setHtml(helpPageText(page));
        for (const Topic &topic : Topics) {
            if (topic.page == page)
                text->setAccessibleName(QString::fromLatin1(topic.caption));
        }
        m_pages->addWidget(text);
    }

    // The window opens at the Overview.
    SelButton1Click(first);
}

void Thelp::SelButton1Click(QPushButton *button)
{
    const int page = button->property("page").toInt();
    if (page < 1 || page > PageCount)
        return;
    m_pages->setCurrentIndex(page - 1);
    m_title->setText(button->text());
}

void Thelp::button_aboutClick()
{
    if (showAbout)
        showAbout();
}

void Thelp::button_doneClick()
{
    hide();
}

int Thelp::page() const
{
    return m_pages->currentIndex() + 1;
}

QString Thelp::title() const
{
    return m_title->text();
}
