#include "splash/SplashDlg.h"

#include "core/ResourceIds.h"
#include "core/StringTable.h"
#include "platform/ResourceLibrary.h"
#include "ui/FormLoader.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace {
constexpr int kPictureSize = 260;
}

CSplashDlg::CSplashDlg(const CStringTable& strings, QWidget* parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      m_caption(QString::fromStdString(strings.Get(Str::kAboutCaption))) {
    CFormLoader::LoadInto(this, 142);
    // The caption is painted: a screen reader learns it only from the name.
    setAccessibleName(m_caption);
    setFixedSize(kPictureSize, kPictureSize);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    QTimer::singleShot(kShowMilliseconds, this, &QDialog::accept);
}

void CSplashDlg::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPixmap picture(QString::fromStdString(CResourceLibrary::ResourcePath("bitmaps/178.png")));
    painter.drawPixmap(QRect(0, 0, kPictureSize, kPictureSize), picture);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(13);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRect(7, 170, kPictureSize - 14, kPictureSize - 170),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, m_caption);
}

void CSplashDlg::keyPressEvent(QKeyEvent* event) {
    // Neither Escape nor the help key may end or interrupt the picture.
    event->accept();
}
