#pragma once

namespace kalvintera {

// Whether the computer reports a connection to the Internet.
class Connectivity {
public:
    virtual ~Connectivity() = default;
    virtual bool isOnline() = 0;
};

class QtConnectivity final : public Connectivity {
public:
    bool isOnline() override;
};

} // namespace kalvintera
