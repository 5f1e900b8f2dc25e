#pragma once

#include "detection/DialUpSource.h"

#include <QDBusConnection>
#include <QObject>
#include <QVariantMap>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QDBusMessage;

// NetworkManager's dial-up connections (mobile broadband, PPPoE, ADSL, Bluetooth dial-up). The
// heartbeat never waits on the bus: a change NetworkManager signals starts one asynchronous round
// of questions, and until it is answered the links last known stand. Whether NetworkManager is on
// the bus is asked once and then followed. Answers and signals arrive through the Qt event loop.
class CNetworkManagerLinks : public QObject {
    Q_OBJECT
public:
    // busAddress: a D-Bus address, or empty for the system bus.
    explicit CNetworkManagerLinks(const QString& busAddress);
    ~CNetworkManagerLinks() override;

    // Whether NetworkManager is on the bus, as last heard; false until that is known.
    bool IsAvailable() const;
    // The dial-up connections whose device is configuring IP or activated, as last answered; nothing
    // without a NetworkManager or before its first answer. Never waits.
    std::optional<std::vector<DialUpLink>> ActiveLinks();
    // Whether NetworkManager announced a change that no answer has brought in yet.
    bool HasUnreadChange() const { return m_changed || m_retry || m_round != nullptr; }
    // Whether a round of questions is out.
    bool IsAsking() const { return m_round != nullptr; }
    // Lets the event loop run until it is known whether NetworkManager is there and, if it is, its
    // first round is answered, or the time is up; true when answered. For a one-off look, not for
    // the heartbeat.
    bool WaitForAnswers(std::chrono::milliseconds longest);
    // The names of the dial-up profiles NetworkManager knows, sorted. Asks and waits.
    std::vector<std::string> DialUpProfiles();

signals:
    // A round of questions, or the question whether NetworkManager is there, has ended.
    void Answered();

private slots:
    void MarkChanged();

private:
    struct Round;
    enum class Owner { kUnknown, kPresent, kAbsent };

    bool HasAnswered() const;
    void AskOwner();
    void SetOwner(Owner owner);
    void StartRoundIfIdle();
    void AskManager(const std::shared_ptr<Round>& round);
    void AskActiveConnection(const std::shared_ptr<Round>& round, size_t index, const QString& path);
    void AskDevice(const std::shared_ptr<Round>& round, size_t index, const QString& path,
                   const QVariantMap& connection);
    // Asks as part of the round; then() sees only answers of a round that has not been given up
    // and that nothing went unanswered in. The last answer ends the round.
    void AskInRound(const std::shared_ptr<Round>& round, const QDBusMessage& call,
                    std::function<void(const QDBusMessage&)> then);
    void FinishRound();
    void Ask(const QDBusMessage& call, std::function<void(const QDBusMessage&)> then);

    QDBusConnection m_bus;
    QString m_connectionName;
    Owner m_owner = Owner::kUnknown;
    bool m_askingOwner = false;
    // A change signalled that no round has set out to read yet.
    bool m_changed = false;
    // The last round went unanswered: the next poll asks again.
    bool m_retry = false;
    bool m_answeredOnce = false;
    std::shared_ptr<Round> m_round;
    std::optional<std::vector<DialUpLink>> m_links;
};
