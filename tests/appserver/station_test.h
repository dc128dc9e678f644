#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "tests/appserver/wire_client.h"
#include "tests/support/server_fixture.h"

// A test against one real ticketd, with as many logged-in desks as it needs.
class StationTest : public ::testing::Test {
  protected:
    explicit StationTest(ServerFixture::Options options = {}) : server(std::move(options)) {}

    void SetUp() override { ASSERT_TRUE(server.started()) << server.failure().toStdString(); }

    // A connection logged in as the administrator; an empty pointer (and a test failure) when not.
    std::unique_ptr<WireClient> desk() {
        auto client = std::make_unique<WireClient>();
        if (!client->connectTo(server.host(), server.port()) ||
            !client->login(ServerFixture::kAdminCode, ServerFixture::kAdminPassword)) {
            ADD_FAILURE() << "cannot log in: " << server.serverLog().toStdString();
            return nullptr;
        }
        return client;
    }

    ServerFixture server;
};
