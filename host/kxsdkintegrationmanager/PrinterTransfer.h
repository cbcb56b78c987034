#pragma once

class QPrinter;

namespace kestrix::sdk::integration {

// Copy the printer settings from the kernel into a printer and back.
void UpdatePrinterFromKernel(QPrinter& printer);
void UpdateKernelFromPrinter(QPrinter& printer);

} // namespace kestrix::sdk::integration
