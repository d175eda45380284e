#include "TVLMMailLabel.h"

TVLMMailLabel::TVLMMailLabel(QWidget* owner)
    : TVLMUrlLabel(owner, QStringLiteral("mailto:" TESSALY_MAIL_ADDRESS),
                   QStringLiteral(TESSALY_MAIL_ADDRESS),
                   QStringLiteral("Nachricht an Velmora...")) {}

TVLMMailLabel::~TVLMMailLabel() = default;
