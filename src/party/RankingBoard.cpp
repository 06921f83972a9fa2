#include "party/RankingBoard.h"

#include "platform/widgets/Fonts.h"

#include <QFrame>
#include <QLabel>
#include <QToolButton>

namespace {

constexpr int CardWidth = 268;
constexpr int CardHeight = 64;
constexpr int ColumnStep = CardWidth + 8;
constexpr int RowStep = CardHeight + 5;
constexpr int RowsPerColumn = 4;
constexpr int FaceSide = 58;

} // namespace

RankingBoard::RankingBoard(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("RankingBoard"));
    resize(ColumnStep + CardWidth, RowsPerColumn * RowStep);
}

void RankingBoard::clear()
{
    const QList<QFrame *> cards = findChildren<QFrame *>(Qt::FindDirectChildrenOnly);
    for (QFrame *card : cards)
        delete card;
}

void RankingBoard::showRanking(const QList<RankedTurn> &ranking, const QList<QImage> &pictures)
{
    clear();
    for (int i = 0; i < ranking.size(); ++i) {
        const RankedTurn &line = ranking[i];
        auto *card = new QFrame(this);
        card->setObjectName(QStringLiteral("RankingCard%1").arg(i + 1));
        card->setGeometry(i / RowsPerColumn * ColumnStep, i % RowsPerColumn * RowStep, CardWidth, CardHeight);
        card->setFrameShape(QFrame::Box);
        // The winners' cards shine gold; the others stay paper white.
        card->setStyleSheet(line.isWinner()
                                ? QStringLiteral("QFrame#%1 { background: #ffe066; border: 2px solid #c08000; }")
                                      .arg(card->objectName())
                                : QStringLiteral("QFrame#%1 { background: #ffffff; border: 1px solid #808080; }")
                                      .arg(card->objectName()));

        auto *face = new QToolButton(card);
        face->setObjectName(QStringLiteral("RankingFace%1").arg(line.turn + 1));
        face->setGeometry(3, 3, FaceSide, FaceSide);
        face->setToolTip(QStringLiteral("クリックすると、%1さんのリプレイを見られます。").arg(line.player));
        face->setCursor(Qt::PointingHandCursor);
        const QImage picture = line.turn < pictures.size() ? pictures[line.turn] : QImage();
        if (!picture.isNull()) {
            face->setIcon(QPixmap::fromImage(
                picture.scaled(FaceSide - 4, FaceSide - 4, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
            face->setIconSize(QSize(FaceSide - 4, FaceSide - 4));
        }
        connect(face, &QToolButton::clicked, this, [this, turn = line.turn] { Q_EMIT faceClicked(turn); });

        const QString place = QStringLiteral("第%1位").arg(line.place)
                              + (line.isWinner() ? QStringLiteral("　★優勝") : QString());
        auto *text = new QLabel(card);
        text->setObjectName(QStringLiteral("RankingText%1").arg(i + 1));
        text->setGeometry(FaceSide + 10, 2, CardWidth - FaceSide - 14, CardHeight - 4);
        text->setFont(Fonts::gameFont(15, true));
        text->setText(QStringLiteral("%1\n%2さん　%3点").arg(place, line.player).arg(line.score));
        text->setStyleSheet(line.isWinner() ? QStringLiteral("color: #c00000;") : QStringLiteral("color: #000000;"));
        card->show();
    }
}

QToolButton *RankingBoard::faceButton(int turn) const
{
    return findChild<QToolButton *>(QStringLiteral("RankingFace%1").arg(turn + 1));
}
