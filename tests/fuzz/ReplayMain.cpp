// Runs a fuzz target over files instead of generated inputs: every file named, and every file
// of every folder named, once, in name order. It fails when it finds no input at all, so that
// a misplaced corpus cannot pass unnoticed; a finding fails it as it would stop the fuzzer,
// by a crash, an abort or a sanitizer report.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <ios>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

std::vector<std::filesystem::path> inputFiles(int argc, char** argv)
{
    std::vector<std::filesystem::path> files;
    for (int index = 1; index < argc; ++index) {
        const std::filesystem::path argument(argv[index]);
        if (!std::filesystem::is_directory(argument)) {
            files.push_back(argument);
            continue;
        }
        std::vector<std::filesystem::path> folder;
        for (const auto& entry : std::filesystem::directory_iterator(argument)) {
            if (entry.is_regular_file())
                folder.push_back(entry.path());
        }
        std::sort(folder.begin(), folder.end());
        files.insert(files.end(), folder.begin(), folder.end());
    }
    return files;
}

std::string contentsOf(const std::filesystem::path& file)
{
    std::ifstream stream(file, std::ios::binary);
    if (!stream)
        throw std::ios_base::failure("cannot read " + file.string());
    return std::string(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
}

} // namespace

int main(int argc, char** argv)
{
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    try {
        const std::vector<std::filesystem::path> files = inputFiles(argc, argv);
        if (files.empty()) {
            std::cerr << "No input files: name corpus folders or files.\n";
            return 1;
        }
        for (const auto& file : files) {
            const std::string input = contentsOf(file);
            // A failure names its input last, so that it is easy to find above a crash report.
            std::cout << "Running " << file.string() << " (" << input.size() << " bytes)" << std::endl;
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
        }
        std::cout << "Replayed " << files.size() << " inputs." << std::endl;
    } catch (const std::filesystem::filesystem_error& error) {
        std::cerr << error.what() << '\n';
        return 1;
    } catch (const std::ios_base::failure& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
    return 0;
}
