#pragma once

#include <string>

namespace kalvintera {

// The customer's particulars from the order form, as the printout and the order e-mail use
// them. `contact` is whatever the customer gives: a telephone number or an e-mail address.
struct OrderCustomer {
    std::string name;
    std::string city;
    std::string street;
    std::string contact;
};

} // namespace kalvintera
