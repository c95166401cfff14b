#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>
#include <memory>

namespace vavivor {

using ModalStep = std::function<void(QWidget*)>;

// Answers the modal windows that come up next, one step each, in order; the caller then starts
// whatever shows them. A step that finds no new modal window within ten seconds is given up, so
// a missing window fails instead of hanging. For QtTest programs only.
inline void answerModals(std::deque<ModalStep> steps) {
    auto* timer = new QTimer;
    auto queue = std::make_shared<std::deque<ModalStep>>(std::move(steps));
    auto tries = std::make_shared<int>(0);
    auto last = std::make_shared<QPointer<QWidget>>();
    QObject::connect(timer, &QTimer::timeout, [timer, queue, tries, last] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal != last->data() && modal->isVisible()) {
            *last = modal;
            *tries = 0;
            ModalStep step = queue->front();
            queue->pop_front();
            step(modal);
        } else if (++*tries > 1000) {
            queue->clear();
        }
        if (queue->empty()) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(10);
}

} // namespace vavivor
