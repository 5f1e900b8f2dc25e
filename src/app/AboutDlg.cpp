#include "app/AboutDlg.h"

#include "ui/FormLoader.h"
#include "ui/Help.h"
#include "ui/UiResources.h"
#include "core/StringTable.h"

#include <QDesktopServices>
#include <QPainter>
#include <QPushButton>
#include <QUrl>

namespace {
constexpr int kPicture = 260;
}

CAboutDlg::CAboutDlg(const CStringTable& strings, QWidget* parent)
    : QDialog(parent), m_caption(QString::fromStdString(strings.Get(220))),
      m_address(QString::fromStdString(strings.Get(225))) {
    QWidget* form = CFormLoader::LoadInto(this, 100);
    setFixedSize(size());
    if (form == nullptr) {
        return;
    }
    if (auto* ok = form->findChild<QPushButton*>(QStringLiteral("id1"))) {
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    }
    if (auto* link = form->findChild<QPushButton*>(QStringLiteral("id1066"))) {
        connect(link, &QPushButton::clicked, this, [this] {
            // A relative address names a page of the user guide.
            if (m_address.contains(QStringLiteral("://"))) {
                QDesktopServices::openUrl(QUrl(m_address));
            } else {
                CHelp::Open(m_address.section(QLatin1Char('/'), -1));
            }
        });
    }
}

void CAboutDlg::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(QRect(8, 8, kPicture, kPicture), CUiResources::Bitmap(178));
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(13);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRect(15, 178, kPicture - 14, kPicture - 178), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     m_caption);
}
