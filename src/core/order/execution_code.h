#pragma once

#include <string>

namespace kalvintera {

// The executions chosen for a fan.
struct ExecutionChoice {
    bool heat40 = false;
    bool heat60 = false;
    bool chemical = false;
    bool explosionProof = false;
    bool twoSpeed = false;
};

// The execution code of an order line: "T40", "+T60", "+K", "+EX", "+D" in this order
// for the chosen executions, cut to 30 characters. Only T40 comes without a leading "+",
// so a choice without it starts with "+" (chemical alone is "+K"); nothing chosen is "".
std::string ExecutionText(const ExecutionChoice& choice);
std::string ExecutionText(bool heat40, bool heat60, bool chemical, bool explosionProof, bool twoSpeed);

} // namespace kalvintera
