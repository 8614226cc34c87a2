#pragma once
#include <QObject>
#include <functional>

#include "app/LiveSession.h"

namespace montira {

// Makes `window` follow the live events: the subscription lives in a child of the window, so
// it ends with the window, whoever deletes it.
inline void FollowLive(QObject* window, LiveSession& session,
                       std::function<void(const LiveEvent&)> onEvent) {
    struct Holder : QObject {
        using QObject::QObject;
        LiveFollowers::Subscription subscription;
    };
    auto* h = new Holder(window);
    h->subscription = session.follow(std::move(onEvent));
}

}  // namespace montira
