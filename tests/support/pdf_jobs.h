#pragma once
#include <string>
#include <vector>

// The PDFs the PDF printer writes for this user, read back with the platform's pdftotext.
namespace PdfJobs {
// The printer's output folder as seen from here.
std::string Folder();
// Waits up to a minute for the job whose title holds title to be written; its path, or "" when none came.
std::string WaitFor(const std::string& title);
// The text of each page (GBK), split where pdftotext puts form feeds.
std::vector<std::string> PagesOf(const std::string& path);
} // namespace PdfJobs

// A title that no earlier job had, so that a test finds its own PDF.
std::string UniqueJobTitle(const char* stem);
