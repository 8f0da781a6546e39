// The dialogue's texts as a user sees them, written out independently of the code that
// prints them, so that a changed byte fails a test.
#pragma once

#include <string>
#include <vector>

inline const std::string kMenuHeader =
    "Please select a file to generate your random file.\r\n"
    "#  File name\r\n"
    "== =============\r\n";

inline const std::string kRoutePrompt = "Enter the file you wish to randomize and press RETURN: ";

inline const std::string kTrainTypeBlock =
    "\r\n"
    "Enter the train type you are following...\r\n"
    "  (1) Passenger\r\n"
    "  (2) Freight\r\n"
    "  (3) Ore train\r\n"
    "  (4) Random\r\n"
    "Train type:";

inline const std::string kAccelerationBlock =
    "\r\n"
    "Enter the proceeding train's acceleration\r\n"
    "  (1) Brisk\r\n"
    "  (2) Moderate\r\n"
    "  (3) Slow\r\n"
    "  (4) Random\r\n"
    "Acceleration:";

inline const std::string kProximityBlock =
    "\r\n"
    "Enter the lead the proceeding train has over you.\r\n"
    "  (1) Long\r\n"
    "  (2) Normal\r\n"
    "  (3) Close\r\n"
    "  (4) Random\r\n"
    "Proximity:";

inline const std::string kQuestions = kTrainTypeBlock + kAccelerationBlock + kProximityBlock;

inline const std::string kCompletion =
    "\r\n"
    "File complete: run BVE with random.rw as your route. And WATCH FOR SIGNALS!\r\n"
    "\r\n";

inline const std::string kCancelled = "\r\nNo answer given - the run is cancelled.\r\n";

inline const std::string kNoListFile = "Please click on 'Routescan' to build your input file.\r\n";

inline const std::string kNoRoutesAdvice =
    "No datafiles (of type *.rw) found. You need to do the following...\r\n"
    "1) move 'routescan' to your route directory and execute it.\r\n"
    "2) move Trackdice to your route directory and execute it.\r\n";

inline std::string retry_line(int low, int high) {
  return "Sorry - value must be between " + std::to_string(low) + " and " + std::to_string(high) +
         " - try again.\r\n";
}

// The header, one numbered line per name and the closing blank line.
inline std::string menu_text(const std::vector<std::string>& names) {
  std::string text = kMenuHeader;
  for (std::size_t i = 0; i < names.size(); ++i) {
    text += std::to_string(i + 1) + " " + names[i] + "\r\n";
  }
  return text + "\r\n";
}
