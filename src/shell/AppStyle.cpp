#include "shell/AppStyle.h"

#include "platform/gui/HexColor.h"
#include "shell/FocusRingStyle.h"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>

namespace dovrel {

const char* AppStyle::styleSheet() {
    return R"(
QMenuBar { background: #474955; color: #e8e9f0; }
QMenuBar::item:selected { background: #5d6070; }
QMenu { background: #3e3f47; color: #e8e9f0; border: 1px solid #2c2d33; }
QMenu::item:selected { background: #0a84ff; }
QLabel[role="title"] { color: white; font-size: 26px; font-weight: 600; }
/* Dimmed text is opaque (white at 78 % and 60 % over the window colour):
   the moving background must not show through the letters. */
QLabel[role="text"] { color: #d9d9dc; font-size: 14px; }
QLabel[role="caption"] { color: #b9bac0; font-size: 12px; }
QPushButton[role="primary"] {
    color: white; font-weight: 600; font-size: 13px; padding: 8px 18px; border: none; border-radius: 8px;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #2bbcff, stop:1 #0076ff);
}
QPushButton[role="primary"]:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #4ac6ff, stop:1 #1a86ff); }
QPushButton[role="primary"]:pressed { background: #0066dd; }
QPushButton[role="primary"]:disabled { color: rgba(255,255,255,0.75); background: rgba(0,224,69,0.55); }
QPushButton[role="secondary"] {
    color: white; font-size: 13px; padding: 8px 18px; border-radius: 8px;
    border: 1px solid rgba(255,255,255,0.35); background: rgba(255,255,255,0.08);
}
QPushButton[role="secondary"]:hover { background: rgba(255,255,255,0.16); }
QPushButton[role="secondary"]:pressed { background: rgba(255,255,255,0.24); }
QPushButton[role="link"] { color: #7cc8ff; border: none; background: transparent; font-size: 12px; padding: 2px; }
QPushButton[role="link"]:hover { color: #a8dcff; text-decoration: underline; }
QFrame[role="panel"] { background: rgba(62,63,71,0.55); border-radius: 14px; }
QCheckBox { color: white; font-size: 13px; spacing: 8px; }
QPushButton[role="primary"]:focus, QPushButton[role="secondary"]:focus { border: 2px solid #5ac8fa; }
QPushButton[role="link"]:focus { border: 2px solid #5ac8fa; border-radius: 4px; }
)";
}

void AppStyle::apply(QApplication& app) {
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        app.setStyle(new FocusRingStyle(fusion));
    QPalette p;
    const QColor window = HexColor::colorFromHexString(QStringLiteral("515360"));
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, QColor(0xe8, 0xe9, 0xf0));
    p.setColor(QPalette::Base, HexColor::colorFromHexString(QStringLiteral("3e3f47")));
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::Text, QColor(0xe8, 0xe9, 0xf0));
    p.setColor(QPalette::Button, HexColor::colorFromHexString(QStringLiteral("5d6070")));
    p.setColor(QPalette::ButtonText, Qt::white);
    p.setColor(QPalette::Highlight, QColor(0x0a, 0x84, 0xff));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::ToolTipBase, HexColor::colorFromHexString(QStringLiteral("3e3f47")));
    p.setColor(QPalette::ToolTipText, Qt::white);
    p.setColor(QPalette::PlaceholderText, QColor(255, 255, 255, 110));
    p.setColor(QPalette::Link, QColor(0x7c, 0xc8, 0xff));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(255, 255, 255, 100));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(255, 255, 255, 100));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(255, 255, 255, 100));
    app.setPalette(p);
    app.setStyleSheet(QString::fromLatin1(styleSheet()));
}

} // namespace dovrel
