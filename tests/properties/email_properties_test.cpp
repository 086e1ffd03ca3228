#include <gtest/gtest.h>

#include "platform/testing/recording_message_sink.h"
#include "properties/email_properties.h"

namespace korvix {
namespace {

constexpr const char* kNames = "<Variables>\xA2\tTemp1\xA2";

TEST(EmailProperties, OkTrimsTheAddressAndChecksTheMessagesReferences) {
  struct Case {
    std::string text;
    std::deque<MessageResult> answers;
    bool accepted;
    size_t messages;
  };
  const Case cases[] = {
      {"Level {Temp1}", {}, true, 0},
      {"Level {Temp1", {}, false, 1},
      {"Level Temp1", {MessageResult::Yes}, false, 1},  // back to the message
      {"Level Temp1", {MessageResult::No}, true, 1},
  };
  for (const Case& c : cases) {
    RecordingMessageSink sink;
    sink.answers = c.answers;
    EmailFields fields{"  op@test.invalid ", c.text};
    const OkCheck<EmailField> check = CheckEmailFields(fields, kNames, sink);
    EXPECT_EQ(check.Accepted(), c.accepted) << c.text;
    if (!c.accepted) {
      EXPECT_EQ(check.focus, EmailField::Text) << c.text;
    }
    EXPECT_EQ(sink.shown.size(), c.messages) << c.text;
    EXPECT_EQ(fields.address, "op@test.invalid");
  }
}

TEST(EmailProperties, TextsLongerThanTheirFieldsAreRefused) {
  RecordingMessageSink sink;
  EmailFields address{std::string(71, 'a'), "x"};
  EXPECT_EQ(ExchangeEmailFields(address, sink).focus, EmailField::Address);
  EmailFields text{"a@b.c", std::string(1001, 'x')};
  EXPECT_EQ(ExchangeEmailFields(text, sink).focus, EmailField::Text);
  EmailFields full{std::string(70, 'a'), std::string(1000, 'x')};
  EXPECT_TRUE(ExchangeEmailFields(full, sink).Accepted());
  ASSERT_EQ(sink.shown.size(), 2u);
  EXPECT_EQ(sink.shown[0].text, "Please enter no more than 70 characters.");
}

TEST(EmailServerProperties, OkRemovesBlanksAndRefusesAPortAbove999) {
  EmailServerSettings settings;
  settings.encryption = 1;
  EmailServerFields fields = LoadEmailServerFields(settings);
  EXPECT_EQ(fields.port, "587");
  EXPECT_EQ(fields.encryption, 1);
  fields.server = " mail. test.invalid ";
  fields.user = "plant 7";
  fields.password = " pa ss ";
  fields.sendername = "  Plant  7 ";
  fields.senderemail = "plant @test.invalid";
  fields.replyto = "\toffice@test.invalid ";

  RecordingMessageSink sink;
  fields.port = "1000";
  EXPECT_EQ(CheckEmailServerFields(fields, sink).focus, EmailServerField::Port);
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].text, "Please enter an integer between 0 and 999.");

  fields.port = " 25 ";
  ASSERT_TRUE(CheckEmailServerFields(fields, sink).Accepted());
  StoreEmailServerFields(fields, settings);
  EXPECT_EQ(settings.smtpserver, "mail.test.invalid");
  EXPECT_EQ(settings.smtpport, 25);
  EXPECT_EQ(settings.smtpuser, "plant7");
  EXPECT_EQ(settings.smtppassword, "pass");
  EXPECT_EQ(settings.sendername, "Plant  7");
  EXPECT_EQ(settings.senderemail, "plant@test.invalid");
  EXPECT_EQ(settings.replyto, "office@test.invalid");
  EXPECT_EQ(settings.encryption, 1);
}

TEST(EmailServerProperties, AnEncryptionTheListDoesNotOfferIsKeptUntilOneIsChosen) {
  EmailServerSettings settings;
  settings.encryption = 7;
  EmailServerFields fields = LoadEmailServerFields(settings);
  EXPECT_EQ(fields.encryption, -1);
  StoreEmailServerFields(fields, settings);
  EXPECT_EQ(settings.encryption, 7);
  fields.encryption = 2;
  StoreEmailServerFields(fields, settings);
  EXPECT_EQ(settings.encryption, 2);
}

}  // namespace
}  // namespace korvix
