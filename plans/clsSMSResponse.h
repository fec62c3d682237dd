#pragma once

#include "engine/Money.h"

#include <QDateTime>
#include <QString>

namespace quv {

// The outcome of one gateway request, and the token of the token gateway with its
// validity window (kept across requests, so later sends reuse it until it expires).
class clsSMSResponse {
public:
    clsSMSResponse();

    // 0 = success, the gateway's error number otherwise.
    qint16 ErrorNo = 0;
    // The gateway's error text (token gateway: CODE and DESC joined by " - ").
    QString ErrorText;
    QString MessageID;
    // The send's charge (token gateway: 1 on success).
    Money Charge;
    // The remaining credit (simple gateway).
    Money Credit;
    // Status code (simple gateway).
    qint16 SMSStatus = 0;
    // 1 when the message reached its final state, else 0.
    qint16 MesajSonDurumaUlasti = 0;

    const QString& HermesToken() const { return token_; }
    const QDateTime& TokenBaslangic() const { return tokenBaslangic_; }
    const QDateTime& TokenBitis() const { return tokenBitis_; }

    // Empties the message fields (error, message id, charge, credit, status, final state).
    void ClearClass();
    // No token; its window 1 January 1900.
    void ClearTokenInfo();
    // A token that is not blank and whose window holds the current local time.
    bool IsHermesTokenValid() const;

    // The simple gateway's "key=value&key=value" answer.
    void ParseResponse(const QString& Response);
    // The token gateway's authentication answer.
    void ParseHermesToken(const QString& Response);
    // The token gateway's send answer.
    void ParseHermesSMSTelNoIle(const QString& Response);

    // "YYYY-MM-DDTHH:MM:SS..." read by position; run-time error 13 when the text does
    // not hold a valid date and time there.
    static QDateTime ConvertHermesDate(const QString& Text);

private:
    QString token_;
    QDateTime tokenBaslangic_;
    QDateTime tokenBitis_;
};

}  // namespace quv
