#include "core/order/execution_code.h"

#include "core/order/order_line.h"
#include "core/text/code_page.h"

namespace kalvintera {

std::string ExecutionText(const ExecutionChoice& choice)
{
    std::string text;
    if (choice.heat40) text += "T40";
    if (choice.heat60) text += "+T60";
    if (choice.chemical) text += "+K";
    if (choice.explosionProof) text += "+EX";
    if (choice.twoSpeed) text += "+D";
    return CutToCharacters(text, kExecutionCapacity);
}

std::string ExecutionText(bool heat40, bool heat60, bool chemical, bool explosionProof, bool twoSpeed)
{
    return ExecutionText(ExecutionChoice{heat40, heat60, chemical, explosionProof, twoSpeed});
}

} // namespace kalvintera
