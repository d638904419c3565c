#pragma once
#include <QObject>
#include <QString>
#include <QVariantList>

namespace examsim {

// The one object a movie page talks to ("host" on the web channel).
class MovieBridge : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

public slots:
    // kind: "ready", "drawn", "var" (name, value), "frame" (number), "cmd" (command, args).
    void message(const QString& kind, const QString& a, const QString& b);

signals:
    void hostCall(const QString& op, const QVariantList& args);
    void received(const QString& kind, const QString& a, const QString& b);
};

}  // namespace examsim
