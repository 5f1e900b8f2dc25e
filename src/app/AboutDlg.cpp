#include "app/AboutDlg.h"

#include "core/ResourceIds.h"
#include "core/StringTable.h"
#include "ui/Help.h"
#include "ui/UiResources.h"

#include <QDesktopServices>
#include <QPainter>
#include <QPushButton>
#include <QUrl>

namespace {
constexpr int kPicture = 260;
}

CAboutDlg::CAboutDlg(const CStringTable& strings, QWidget* parent)
    : CFormDlg(Form::kAbout, parent), m_caption(QString::fromStdString(strings.Get(Str::kAboutCaption))),
      m_address(QString::fromStdString(strings.Get(Str::kAboutAddress))) {
    setFixedSize(size());
    connect(Control<QPushButton>(Control::kAboutLink), &QPushButton::clicked, this, [this] {
        // A relative address names a page of the user guide.
        if (m_address.contains(QStringLiteral("://"))) {
            QDesktopServices::openUrl(QUrl(m_address));
        } else {
            CHelp::Open(m_address.section(QLatin1Char('/'), -1));
        }
    });
}

void CAboutDlg::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(QRect(8, 8, kPicture, kPicture), CUiResources::Bitmap(Icon::kAboutPicture));
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(13);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRect(15, 178, kPicture - 14, kPicture - 178), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     m_caption);
}
