#include "errors/Fault.h"

#include <exception>
#include <new>
#include <stdexcept>

namespace {

const Fault kUnexpected { QStringLiteral("Unerwarteter Fehler"), 5 };

} // namespace

Fault Fault::fromCurrentException()
{
    if (!std::current_exception())
        return kUnexpected;
    try {
        throw;
    } catch (const FaultError& e) {
        return { e.description(), e.number() };
    } catch (const std::out_of_range&) {
        return { QStringLiteral("Index außerhalb des gültigen Bereichs"), 9 };
    } catch (const std::overflow_error&) {
        return { QStringLiteral("Überlauf"), 6 };
    } catch (const std::bad_alloc&) {
        return { QStringLiteral("Nicht genügend Speicher"), 7 };
    } catch (const std::exception& e) {
        return { QString::fromLocal8Bit(e.what()), 5 };
    } catch (...) {
        return kUnexpected;
    }
}
