// The main window, its board and its score panel on the offscreen platform,
// on a private profile in a temporary directory, with the cues recorded.
#pragma once

#include "app/epigraph.h"
#include "app/main_frame.h"
#include "engine/cue.h"
#include "platform/profile.h"
#include "platform/resources.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

struct CRecordedCues : CCuePlayer {
    void PlaySound(unsigned id, bool) override { m_ids.push_back(id); }
    int Count(unsigned id) const { return int(std::count(m_ids.begin(), m_ids.end(), id)); }
    std::vector<unsigned> m_ids;
};

class ViewTest : public testing::Test {
protected:
    ViewTest() {
        EXPECT_TRUE(m_dir.isValid());
        g_classical = 0;
        g_roundBalls = g_soundOn = g_saveOnExit = 1;
        g_nextEpigraph = kFirstEpigraph;
        g_lastName.clear();
        SetCuePlayer(&m_cues);
    }
    ~ViewTest() override {
        SetCuePlayer(nullptr);
        g_lastName.clear();
    }

    std::string ProfilePath() const { return (m_dir.path() + "/marbix.INI").toStdString(); }
    CProfile Profile() const { return CProfile(ProfilePath()); }

    // A shown main window; the hall of fame is read from the profile as it
    // stands at this moment.
    std::unique_ptr<CMainFrame> MakeFrame() const {
        auto frame = std::make_unique<CMainFrame>(Profile());
        EXPECT_TRUE(frame->LoadFrame());
        frame->resize(900, 650);
        frame->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
        return frame;
    }

    // Runs answer on the modal window once the modal loop has opened it.
    static void WhenModal(std::function<void(QWidget&)> answer) {
        QTimer::singleShot(0, [answer] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr) << "no modal window open";
            answer(*modal);
        });
    }

    // Expects a box of this caption and icon with a label holding each of
    // texts; looks at it with also, then closes it.
    void ExpectBox(const QString& caption, QMessageBox::Icon icon, const QStringList& texts,
                   std::function<void(QWidget&)> also = {}) {
        WhenModal([=, this](QWidget& box) {
            QStringList shown;
            for (QLabel* label : box.findChildren<QLabel*>()) shown << label->text();
            auto* message = qobject_cast<QMessageBox*>(&box);
            EXPECT_EQ(std::pair(box.windowTitle(), message ? message->icon() : QMessageBox::NoIcon),
                      std::pair(caption, icon));
            for (const QString& text : texts)
                EXPECT_TRUE(shown.contains(text)) << text.toStdString();
            if (also) also(box);
            ++m_boxes;
            box.close();
        });
    }

    static QImage Grabbed(QWidget& widget, const QRect& rect = QRect(0, 0, -1, -1)) {
        return widget.grab(rect).toImage().convertToFormat(QImage::Format_RGB32);
    }
    static QImage Resource(int id) { return LoadPicture(id).convertToFormat(QImage::Format_RGB32); }

    QTemporaryDir m_dir;
    CRecordedCues m_cues;
    int m_boxes = 0; // boxes seen by ExpectBox
};
