#pragma once
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace montira {

// A list of callbacks that windows join while they are open. join() gives a Subscription;
// the callback stays on the list until that object is reset or destroyed. A subscription may
// outlive the list (a window closed after the session that fed it): it then does nothing.
template <typename... Args>
class Subscribers {
    struct Entry {
        int id;
        std::function<void(Args...)> call;
    };
    using List = std::vector<Entry>;

public:
    class Subscription {
    public:
        Subscription() = default;
        Subscription(std::weak_ptr<List> list, int id) : list_(std::move(list)), id_(id) {}
        Subscription(Subscription&& o) noexcept : list_(std::move(o.list_)), id_(o.id_) {
            o.list_.reset();
        }
        Subscription& operator=(Subscription&& o) noexcept {
            if (this != &o) {
                reset();
                list_ = std::move(o.list_);
                id_ = o.id_;
                o.list_.reset();
            }
            return *this;
        }
        Subscription(const Subscription&) = delete;
        Subscription& operator=(const Subscription&) = delete;
        ~Subscription() { reset(); }

        void reset() {
            if (auto l = list_.lock()) {
                for (auto it = l->begin(); it != l->end(); ++it)
                    if (it->id == id_) {
                        l->erase(it);
                        break;
                    }
            }
            list_.reset();
        }
        bool active() const { return !list_.expired(); }

    private:
        std::weak_ptr<List> list_;
        int id_ = 0;
    };

    [[nodiscard]] Subscription join(std::function<void(Args...)> call) {
        list_->push_back({++lastId_, std::move(call)});
        return Subscription(list_, lastId_);
    }
    bool empty() const { return list_->empty(); }
    int size() const { return int(list_->size()); }

    // Calls every subscriber in the order they joined. A callback may leave (or let others
    // join) while it runs: the calls go to a copy of the list as it was.
    void notify(Args... args) const {
        const List copy = *list_;
        for (const Entry& e : copy) e.call(args...);
    }

private:
    std::shared_ptr<List> list_ = std::make_shared<List>();
    int lastId_ = 0;
};

}  // namespace montira
