// The main window, its board and its score panel on the offscreen platform,
// on a private profile in a temporary folder, with the cues recorded.
#pragma once

#include "app/epigraph.h"
#include "app/main_frame.h"
#include "cue_recorder.h"
#include "engine/settings.h"
#include "platform/resources.h"
#include "scratch.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

class ViewTest : public TempProfileTest {
protected:
    ViewTest() {
        ResetSettings();
        g_nextEpigraph = kFirstEpigraph;
        g_lastName.clear();
    }

    // A shown main window with its cues recorded; the hall of fame is read
    // from the profile as it stands at this moment.
    std::unique_ptr<CMainFrame> MakeFrame() {
        auto frame = std::make_unique<CMainFrame>(m_profile);
        EXPECT_TRUE(frame->LoadFrame());
        frame->SendCuesTo(&m_cues);
        frame->resize(900, 650);
        frame->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
        return frame;
    }

    // Runs answer on the modal window once the modal loop has opened it.
    static void WhenModal(const std::function<void(QWidget&)>& answer) {
        QTimer::singleShot(0, [answer] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr) << "no modal window open";
            answer(*modal);
        });
    }

    // Expects a box of this caption and icon with a label holding each of
    // texts; looks at it with also, then closes it.
    void ExpectBox(const QString& caption, QMessageBox::Icon icon, const QStringList& texts,
                   const std::function<void(QWidget&)>& also = {}) {
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

    CCueRecorder m_cues;
    int m_boxes = 0; // boxes seen by ExpectBox
};
