#include "widgets/OnDemandWindows.h"

OnDemandWindows::OnDemandWindows() {
    active = true;
}

OnDemandWindows::~OnDemandWindows() {
    active = false;
    while (!made.empty()) {
        const std::function<void()> destroy = std::move(made.back());
        made.pop_back();
        destroy();
    }
}

void OnDemandWindows::Made(std::function<void()> destroy) {
    made.push_back(std::move(destroy));
}
