#pragma once

#include <QStringList>

#include "server/tcp_app_server.h"
#include "shell/prompter.h"
#include "shell/session.h"
#include "tests/support/server_fixture.h"

// Answers every question with `answer` and keeps what was said.
class RecordingPrompter : public Prompter {
  public:
    QStringList errors;
    QStringList informations;
    QStringList questions;
    bool answer = true;
    void error(const QString& text) override { errors << text; }
    void information(const QString& text) override { informations << text; }
    bool question(const QString& text) override {
        questions << text;
        return answer;
    }
};

// A workstation's logic without windows: one logged-in connection to the fixture's server and the
// session it fills, as the login leaves them.
struct LoggedInDesk {
    LoggedInDesk(const ServerFixture& fixture, const QString& code, const QString& password) {
        server.connectTo(fixture.host(), fixture.port());
        const OperatorIdentity identity = server.Login(code, password);
        session.OperatorCode = identity.code;
        session.OperatorName = identity.name;
        session.OperatorRole = identity.role;
        session.OperatorPassword = password;
        session.DatabaseKind = server.GetVer();
        session.Connection = &server;
    }

    TcpAppServer server;
    Session session;
    RecordingPrompter prompter;
};
