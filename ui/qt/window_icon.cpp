#include "ui/qt/window_icon.h"

#include <QPainter>
#include <QPixmap>

namespace tembrel {

QIcon MainWindowIcon() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRect(1, 1, 13, 13);
    painter.fillRect(2, 2, 12, 3, QColor(0xC0, 0x00, 0x00));
    // Three rows of four days; the marked day in cyan, the window's colour.
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column) {
            const QColor day = row == 1 && column == 2 ? QColor(0x00, 0xC0, 0xC0) : Qt::darkGray;
            painter.fillRect(3 + column * 3, 6 + row * 3, 2, 2, day);
        }
    }
    painter.end();
    return QIcon(pixmap);
}

}  // namespace tembrel
