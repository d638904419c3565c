#include "desktop/app/desktop_host.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace examsim;

TEST(XdgMail, TheProblemReportBecomesOneArgumentPerFieldWithTheAddressLast) {
    MailMessage m;
    m.to = "support@examsim.example.org";
    m.cc = "bugs@examsim.example.org";
    m.subject = "Bug Report: :Network Essentials Exam Simulator";
    m.htmlBody = "Please send System Information & a screenshot";
    m.attachment = "/app/errorLog.txt";
    const QStringList args = XdgMailer::arguments(m);
    EXPECT_EQ(args, (QStringList{"--utf8", "--cc", "bugs@examsim.example.org", "--subject",
                                 "Bug Report: :Network Essentials Exam Simulator", "--body",
                                 "Please send System Information & a screenshot", "--attach", "/app/errorLog.txt",
                                 "support@examsim.example.org"}));
}

TEST(XdgMail, EmptyFieldsAreLeftOutRatherThanPassedEmpty) {
    MailMessage m;
    m.to = "a@example.org";
    EXPECT_EQ(XdgMailer::arguments(m), (QStringList{"--utf8", "a@example.org"}));
}
