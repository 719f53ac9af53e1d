// The solving page's script: builds the grid and the clue lists from the puzzle's data and plays
// them (selection, typing, check, reveal, clear, the timer), keeps progress in the browser's storage
// and fits the printed page to one sheet. Texts from the crossword only ever become text nodes.
(function () {
  "use strict";

  const data = JSON.parse(document.getElementById("puzzle-data").textContent);
  const size = data.size;
  const app = document.getElementById("app");
  const gridEl = document.getElementById("grid");
  const clueBar = document.getElementById("clue-bar");
  const messageEl = document.getElementById("message");
  const solvedEl = document.getElementById("solved");
  const clockEl = document.getElementById("clock");
  const pauseButton = document.getElementById("pause");
  const pausedCover = document.getElementById("paused-cover");
  const DIRECTION_NAMES = { across: "Across", down: "Down" };

  // ---------------------------------------------------------------------------------------------
  // The puzzle: squares, words and the answer letters

  /** The answer letters from their hidden form: the generator the writer used, run again. */
  function answerLetters(hidden, salt) {
    let state = salt >>> 0 || 1;
    const letters = [];
    for (let i = 0; i < hidden.length; i++) {
      state = (state ^ (state << 13)) >>> 0;
      state = (state ^ (state >>> 17)) >>> 0;
      state = (state ^ (state << 5)) >>> 0;
      const shift = state % 26;
      letters.push(String.fromCharCode(65 + ((hidden.charCodeAt(i) - 65 - shift + 26) % 26)));
    }
    return letters;
  }

  /** squares[index]: null for a block, else the square's record. Index is row * size + col, from 0. */
  const squares = [];
  /** The open squares' indexes, row by row: the order of the answer letters and of saved progress. */
  const openOrder = [];
  for (let index = 0; index < size * size; index++) {
    if (data.squares[index] === "#") {
      squares.push(null);
      continue;
    }
    squares.push({
      index: index,
      row: Math.floor(index / size),
      col: index % size,
      number: 0,
      word: { across: -1, down: -1 },
      answer: "",
      cell: null,
      input: null,
    });
    openOrder.push(index);
  }
  const letters = answerLetters(data.hidden, data.salt);
  openOrder.forEach(function (index, k) {
    squares[index].answer = letters[k];
  });

  const words = data.words.map(function (w, wordIndex) {
    const cells = [];
    for (let k = 0; k < w.length; k++) {
      const row = w.row - 1 + (w.direction === "down" ? k : 0);
      const col = w.col - 1 + (w.direction === "across" ? k : 0);
      const index = row * size + col;
      cells.push(index);
      squares[index].word[w.direction] = wordIndex;
    }
    squares[cells[0]].number = w.number;
    return {
      number: w.number,
      direction: w.direction,
      length: w.length,
      clue: w.clue,
      enumeration: w.enumeration,
      cells: cells,
      item: null,
    };
  });

  // ---------------------------------------------------------------------------------------------
  // The solver's state

  const entries = squares.map(function () {
    return "";
  });
  /** Per square: "" nothing, "wrong" (found by a check), "revealed". */
  const marks = squares.map(function () {
    return "";
  });
  let current = words.length ? words[0].cells[0] : -1;
  let direction = words.length ? words[0].direction : "across";
  let paused = false;
  let solved = false;
  let revealedCount = 0;
  let elapsed = 0; // milliseconds of solving
  let clockSince = null; // performance.now() when the clock last started; null while it stands
  let pointerOnCurrent = false;

  function other(dir) {
    return dir === "across" ? "down" : "across";
  }

  function wordAt(index, dir) {
    const square = squares[index];
    return square ? square.word[dir] : -1;
  }

  function currentWord() {
    return words[wordAt(current, direction)];
  }

  function wordName(word) {
    return word.number + " " + DIRECTION_NAMES[word.direction];
  }

  function enumerationText(word) {
    return word.enumeration ? "(" + word.enumeration + ")" : "";
  }

  // ---------------------------------------------------------------------------------------------
  // Building the page

  function element(tag, className, text) {
    const el = document.createElement(tag);
    if (className) el.className = className;
    if (text !== undefined) el.textContent = text;
    return el;
  }

  function buildGrid() {
    app.style.setProperty("--size", String(size));
    gridEl.setAttribute("aria-label", "Crossword grid, " + size + " by " + size + " squares");
    squares.forEach(function (square, index) {
      const cell = element("div", square ? "cell" : "cell block");
      if (!square) {
        cell.setAttribute("aria-hidden", "true");
        gridEl.appendChild(cell);
        return;
      }
      if (square.number) {
        const number = element("span", "number", String(square.number));
        number.setAttribute("aria-hidden", "true");
        cell.appendChild(number);
      }
      const input = element("input");
      input.type = "text";
      input.dataset.index = String(index);
      input.tabIndex = -1;
      input.autocomplete = "off";
      input.spellcheck = false;
      input.setAttribute("autocapitalize", "characters");
      input.setAttribute("autocorrect", "off");
      input.setAttribute("enterkeyhint", "next");
      cell.appendChild(input);
      square.cell = cell;
      square.input = input;
      gridEl.appendChild(cell);
    });
  }

  function buildClueLists() {
    const lists = { across: document.getElementById("across-list"), down: document.getElementById("down-list") };
    words.forEach(function (word, wordIndex) {
      const item = element("li");
      const button = element("button", "clue");
      button.type = "button";
      button.dataset.word = String(wordIndex);
      button.appendChild(element("span", "clue-number", String(word.number)));
      button.appendChild(document.createTextNode(" "));
      button.appendChild(element("span", "clue-text", word.clue));
      if (word.enumeration) {
        button.appendChild(document.createTextNode(" "));
        button.appendChild(element("span", "clue-enumeration", enumerationText(word)));
      }
      button.setAttribute("aria-label", wordName(word) + ": " + word.clue + " " + enumerationText(word));
      item.appendChild(button);
      lists[word.direction].appendChild(item);
      word.item = button;
    });
  }

  // ---------------------------------------------------------------------------------------------
  // Showing the state

  /** "14 Across, 5 letters, letter 2 of 5", and the square's mark. */
  function squareLabel(index) {
    let dir = direction;
    if (wordAt(index, dir) < 0) dir = other(dir);
    const word = words[wordAt(index, dir)];
    const position = word.cells.indexOf(index) + 1;
    let label = wordName(word) + ", " + word.length + " letters";
    if (word.enumeration && word.enumeration !== String(word.length)) label += " " + enumerationText(word);
    label += ", letter " + position + " of " + word.length;
    if (marks[index] === "wrong") label += ", marked wrong";
    if (marks[index] === "revealed") label += ", revealed";
    return label;
  }

  function paintSquare(index) {
    const square = squares[index];
    square.input.value = entries[index];
    square.cell.classList.toggle("wrong", marks[index] === "wrong");
    square.cell.classList.toggle("revealed", marks[index] === "revealed");
    square.input.setAttribute("aria-label", squareLabel(index));
  }

  function paintWordFilled(word) {
    const filled = word.cells.every(function (index) {
      return entries[index] !== "";
    });
    word.item.classList.toggle("filled", filled);
  }

  let highlighted = [];
  let listed = [];

  function showSelection() {
    highlighted.forEach(function (index) {
      squares[index].cell.classList.remove("in-word", "current");
      squares[index].input.tabIndex = -1;
      squares[index].input.removeAttribute("aria-describedby");
    });
    listed.forEach(function (item) {
      item.classList.remove("active", "crossing");
      item.removeAttribute("aria-current");
    });
    if (current < 0) return;
    const word = currentWord();
    highlighted = word.cells.slice();
    word.cells.forEach(function (index) {
      squares[index].cell.classList.add("in-word");
    });
    const square = squares[current];
    square.cell.classList.add("current");
    square.input.tabIndex = 0;
    square.input.setAttribute("aria-describedby", "clue-bar");
    word.item.classList.add("active");
    word.item.setAttribute("aria-current", "true");
    listed = [word.item];
    const crossing = wordAt(current, other(direction));
    if (crossing >= 0) {
      words[crossing].item.classList.add("crossing");
      listed.push(words[crossing].item);
    }
    showClueBar(word);
    keepInView(word.item);
    if (crossing >= 0) keepInView(words[crossing].item);
  }

  function showClueBar(word) {
    clueBar.textContent = "";
    clueBar.appendChild(element("span", "clue-ref", word.number + " " + DIRECTION_NAMES[word.direction]));
    clueBar.appendChild(document.createTextNode(" "));
    clueBar.appendChild(element("span", "clue-text", word.clue));
    if (word.enumeration) {
      clueBar.appendChild(document.createTextNode(" "));
      clueBar.appendChild(element("span", "clue-enumeration", enumerationText(word)));
    }
  }

  /** Scrolls a clue list that scrolls by itself so that the item shows; the page never moves. */
  function keepInView(item) {
    const list = item.closest("ol");
    if (!list || list.scrollHeight <= list.clientHeight) return;
    const top = item.offsetTop - list.offsetTop;
    if (top < list.scrollTop) list.scrollTop = top;
    else if (top + item.offsetHeight > list.scrollTop + list.clientHeight)
      list.scrollTop = top + item.offsetHeight - list.clientHeight;
  }

  function relabelAll() {
    openOrder.forEach(function (index) {
      squares[index].input.setAttribute("aria-label", squareLabel(index));
    });
  }

  function say(text) {
    messageEl.textContent = text;
  }

  // ---------------------------------------------------------------------------------------------
  // Moving

  /** Selects a square and the word through it in dir (the other one when it has none in dir). */
  function select(index, dir, focus) {
    if (!squares[index]) return;
    if (wordAt(index, dir) < 0) dir = other(dir);
    const turned = dir !== direction;
    current = index;
    direction = dir;
    if (turned) relabelAll();
    else squares[index].input.setAttribute("aria-label", squareLabel(index));
    showSelection();
    if (focus !== false && document.activeElement !== squares[index].input) squares[index].input.focus();
  }

  function switchDirection() {
    if (wordAt(current, other(direction)) >= 0) select(current, other(direction));
    else squares[current].input.focus();
  }

  function firstEmptyOrFirst(word) {
    for (const index of word.cells) if (entries[index] === "") return index;
    return word.cells[0];
  }

  function selectWord(wordIndex) {
    const word = words[wordIndex];
    select(firstEmptyOrFirst(word), word.direction);
  }

  function moveWord(step) {
    const next = (wordAt(current, direction) + step + words.length) % words.length;
    selectWord(next);
  }

  function moveInWord(step) {
    const cells = currentWord().cells;
    const k = cells.indexOf(current) + step;
    if (k >= 0 && k < cells.length) select(cells[k], direction);
  }

  /** An arrow key: turns to its direction first when the square has a word that way, else moves on
   * to the next open square that way, over blocks. */
  function arrow(rowStep, colStep) {
    const dir = rowStep === 0 ? "across" : "down";
    if (dir !== direction && wordAt(current, dir) >= 0) {
      select(current, dir);
      return;
    }
    let row = squares[current].row + rowStep;
    let col = squares[current].col + colStep;
    while (row >= 0 && col >= 0 && row < size && col < size) {
      const index = row * size + col;
      if (squares[index]) {
        select(index, dir);
        return;
      }
      row += rowStep;
      col += colStep;
    }
  }

  // ---------------------------------------------------------------------------------------------
  // Changing letters

  function playable() {
    return current >= 0 && !paused && !solved;
  }

  function setEntry(index, letter) {
    if (marks[index] === "revealed") return;
    entries[index] = letter;
    marks[index] = "";
    paintSquare(index);
  }

  function typeLetter(letter) {
    if (!playable()) return;
    setEntry(current, letter);
    afterChange([current]);
    moveInWord(1);
  }

  function backspace() {
    if (!playable()) return;
    const cells = currentWord().cells;
    const k = cells.indexOf(current);
    if (entries[current] === "" && k > 0) {
      select(cells[k - 1], direction);
      setEntry(current, "");
    } else {
      setEntry(current, "");
      if (k > 0) select(cells[k - 1], direction);
    }
    afterChange(cells);
  }

  function deleteLetter() {
    if (!playable()) return;
    setEntry(current, "");
    afterChange([current]);
  }

  /** After letters changed: the clue list's filled marks, the saved progress and the finish. */
  function afterChange(indexes) {
    const touched = new Set();
    indexes.forEach(function (index) {
      ["across", "down"].forEach(function (dir) {
        if (wordAt(index, dir) >= 0) touched.add(wordAt(index, dir));
      });
    });
    touched.forEach(function (wordIndex) {
      paintWordFilled(words[wordIndex]);
    });
    checkFinished();
    save();
  }

  function checkFinished() {
    if (solved) return;
    const allRight = openOrder.every(function (index) {
      return entries[index] === squares[index].answer;
    });
    if (!allRight) return;
    solved = true;
    syncClock(); // counts the last stretch and stops the clock
    showSolved();
  }

  function showSolved() {
    let text = "Solved in " + clockText(elapsed);
    if (revealedCount > 0) text += ", with " + revealedCount + (revealedCount === 1 ? " letter" : " letters") + " revealed";
    solvedEl.textContent = text + ".";
    solvedEl.hidden = false;
    app.classList.add("is-solved");
    openOrder.forEach(function (index) {
      squares[index].input.readOnly = true;
    });
    showClock();
  }

  function scopeSquares(scope) {
    if (scope === "letter") return [current];
    if (scope === "word") return currentWord().cells.slice();
    return openOrder.slice();
  }

  function scopeName(scope) {
    if (scope === "letter") return "This square";
    if (scope === "word") return wordName(currentWord());
    return "The puzzle";
  }

  function plural(count, one, many) {
    return count + " " + (count === 1 ? one : many);
  }

  function check(scope) {
    let right = 0;
    let wrong = 0;
    let empty = 0;
    scopeSquares(scope).forEach(function (index) {
      if (entries[index] === "") {
        empty++;
      } else if (entries[index] === squares[index].answer) {
        right++;
      } else {
        wrong++;
        marks[index] = "wrong";
        paintSquare(index);
      }
    });
    const name = scopeName(scope);
    if (wrong === 0 && empty === 0) say(name + ": all right.");
    else if (wrong === 0) say(name + ": no wrong letters; " + plural(empty, "square", "squares") + " still empty.");
    else say(name + ": " + plural(wrong, "wrong letter", "wrong letters") + " marked; " + right + " right, " + empty + " empty.");
    save();
  }

  function reveal(scope) {
    if (scope === "puzzle" && !window.confirm("Reveal every answer?")) return;
    const changed = [];
    scopeSquares(scope).forEach(function (index) {
      if (entries[index] === squares[index].answer) return;
      entries[index] = squares[index].answer;
      marks[index] = "revealed";
      revealedCount++;
      paintSquare(index);
      changed.push(index);
    });
    say(scopeName(scope) + ": " + plural(changed.length, "letter", "letters") + " revealed.");
    afterChange(changed);
  }

  function clear(scope) {
    if (scope === "puzzle") {
      if (!window.confirm("Clear every square and start the timer again?")) return;
      openOrder.forEach(function (index) {
        entries[index] = "";
        marks[index] = "";
        paintSquare(index);
        squares[index].input.readOnly = false;
      });
      solved = false;
      revealedCount = 0;
      elapsed = 0;
      clockSince = null;
      syncClock();
      solvedEl.hidden = true;
      app.classList.remove("is-solved");
      words.forEach(paintWordFilled);
      say("The puzzle is cleared.");
      showClock();
      save();
      return;
    }
    if (!playable()) return;
    const cells = scopeSquares(scope);
    cells.forEach(function (index) {
      setEntry(index, "");
    });
    const kept = cells.some(function (index) {
      return marks[index] === "revealed";
    });
    say(scopeName(scope) + " is cleared" + (kept ? ", but for its revealed letters." : "."));
    afterChange(cells);
  }

  // ---------------------------------------------------------------------------------------------
  // The timer

  function clockRuns() {
    return !paused && !solved && document.visibilityState !== "hidden";
  }

  /** Adds the time since the clock last started, and starts or stops it as it should be now. */
  function syncClock() {
    const now = performance.now();
    if (clockSince !== null) elapsed += now - clockSince;
    clockSince = clockRuns() ? now : null;
  }

  function clockText(ms) {
    const seconds = Math.floor(ms / 1000);
    const h = Math.floor(seconds / 3600);
    const m = Math.floor((seconds % 3600) / 60);
    const s = seconds % 60;
    const ss = (s < 10 ? "0" : "") + s;
    if (h > 0) return h + ":" + (m < 10 ? "0" : "") + m + ":" + ss;
    return m + ":" + ss;
  }

  function showClock() {
    clockEl.textContent = clockText(elapsed);
  }

  function setPaused(on) {
    if (solved) on = false;
    paused = on;
    syncClock();
    pauseButton.textContent = on ? "Resume" : "Pause";
    pauseButton.setAttribute("aria-pressed", on ? "true" : "false");
    pausedCover.hidden = !on;
    app.classList.toggle("is-paused", on);
    showClock();
    save();
  }

  // ---------------------------------------------------------------------------------------------
  // Saved progress

  function save() {
    const state = {
      version: 1,
      entries: openOrder.map(function (index) {
        return entries[index] || "-";
      }).join(""),
      marks: openOrder.map(function (index) {
        return marks[index] === "wrong" ? "w" : marks[index] === "revealed" ? "r" : "-";
      }).join(""),
      elapsed: Math.round(elapsed),
      solved: solved,
      revealed: revealedCount,
    };
    try {
      window.localStorage.setItem(data.storageKey, JSON.stringify(state));
    } catch (e) {
      // Storage refused (private windows, storage turned off): the solve goes on without it.
    }
  }

  /** Progress kept by an earlier visit; anything that does not fit this puzzle is left alone. */
  function restore() {
    let state = null;
    try {
      state = JSON.parse(window.localStorage.getItem(data.storageKey) || "null");
    } catch (e) {
      return;
    }
    const n = openOrder.length;
    if (!state || state.version !== 1 || typeof state.entries !== "string" || typeof state.marks !== "string") return;
    if (state.entries.length !== n || state.marks.length !== n || !/^[A-Z-]*$/.test(state.entries) || !/^[wr-]*$/.test(state.marks)) return;
    openOrder.forEach(function (index, k) {
      const letter = state.entries[k];
      entries[index] = letter === "-" ? "" : letter;
      const mark = state.marks[k];
      marks[index] = mark === "w" ? "wrong" : mark === "r" ? "revealed" : "";
    });
    if (Number.isFinite(state.elapsed) && state.elapsed >= 0) elapsed = state.elapsed;
    if (Number.isInteger(state.revealed) && state.revealed >= 0) revealedCount = state.revealed;
  }

  // ---------------------------------------------------------------------------------------------
  // Printing: the grid and every clue on one A4 page

  const PX_PER_MM = 96 / 25.4;
  /** The height the printed page leaves for the puzzle: A4 less its margins, with room to spare. */
  const PRINT_HEIGHT_MM = 297 - 2 * 10 - 8;

  /** Finds the largest print sizes (grid edge and text) that fit the page, with the print styles
   * applied for a moment before printing. The sizes go from the largest down, and a smaller one never
   * needs more room, so a binary search tries only a few. */
  function fitPrint() {
    const printStyle = document.getElementById("print-style");
    const root = document.documentElement;
    const fullGrid = Math.min(size * 8, 125);
    const sizes = [];
    [9, 8.5, 8, 7.5, 7].forEach(function (font) {
      sizes.push([fullGrid, font]);
    });
    [0.85, 0.7, 0.6].forEach(function (scale) {
      [7.5, 7, 6.5, 6].forEach(function (font) {
        sizes.push([fullGrid * scale, font]);
      });
    });
    sizes.push([fullGrid * 0.5, 5.5]);
    function use(k) {
      root.style.setProperty("--print-grid", sizes[k][0].toFixed(1) + "mm");
      root.style.setProperty("--print-font", sizes[k][1] + "pt");
    }
    function fits(k) {
      use(k);
      const height = app.getBoundingClientRect().bottom - document.body.getBoundingClientRect().top;
      return height <= PRINT_HEIGHT_MM * PX_PER_MM;
    }
    const media = printStyle.media;
    printStyle.media = "all";
    try {
      let low = 0;
      let high = sizes.length - 1; // the smallest is used when none fits
      while (low < high) {
        const middle = Math.floor((low + high) / 2);
        if (fits(middle)) high = middle;
        else low = middle + 1;
      }
      use(low);
    } finally {
      printStyle.media = media;
    }
  }

  // ---------------------------------------------------------------------------------------------
  // Events

  function onGridKey(event) {
    const index = Number(event.target.dataset.index);
    if (Number.isNaN(index)) return;
    if (index !== current) select(index, direction, false);
    if (event.ctrlKey || event.metaKey || event.altKey) return;
    const key = event.key;
    let handled = true;
    if (key.length === 1 && /[a-z]/i.test(key)) typeLetter(key.toUpperCase());
    else if (key === "Backspace") backspace();
    else if (key === "Delete") deleteLetter();
    else if (key === "ArrowLeft") arrow(0, -1);
    else if (key === "ArrowRight") arrow(0, 1);
    else if (key === "ArrowUp") arrow(-1, 0);
    else if (key === "ArrowDown") arrow(1, 0);
    else if (key === "Tab") moveWord(event.shiftKey ? -1 : 1);
    else if (key === " " || key === "Spacebar") switchDirection();
    else if (key === "Home") select(currentWord().cells[0], direction);
    else if (key === "End") select(currentWord().cells[currentWord().length - 1], direction);
    else if (key === "Escape") pauseButton.focus();
    else handled = key.length === 1; // other characters never reach the square
    if (handled) event.preventDefault();
  }

  /** Letters that arrive without a key event of their own (phone keyboards, input methods). */
  function onGridInput(event) {
    const index = Number(event.target.dataset.index);
    if (Number.isNaN(index)) return;
    if (index !== current) select(index, direction, false);
    const typed = String(event.data || event.target.value || "").toUpperCase().replace(/[^A-Z]/g, "");
    if (typed) typeLetter(typed.charAt(typed.length - 1));
    else if (event.inputType && event.inputType.indexOf("delete") === 0) backspace();
    paintSquare(index);
  }

  function onGridPointerDown(event) {
    const input = event.target.closest(".cell") && event.target.closest(".cell").querySelector("input");
    pointerOnCurrent = !!input && Number(input.dataset.index) === current && document.activeElement === input;
  }

  function onGridClick(event) {
    const cell = event.target.closest(".cell");
    const input = cell && cell.querySelector("input");
    if (!input) return;
    const index = Number(input.dataset.index);
    if (pointerOnCurrent && index === current) switchDirection();
    else select(index, direction);
    pointerOnCurrent = false;
  }

  function onGridFocus(event) {
    const index = Number(event.target.dataset.index);
    if (!Number.isNaN(index) && index !== current) select(index, direction, false);
  }

  function onControl(event) {
    const button = event.target.closest("button[data-action]");
    if (!button) return;
    if (button.dataset.action !== "clear" || button.dataset.scope !== "puzzle") {
      if (!playable()) return;
    }
    if (button.dataset.action === "check") check(button.dataset.scope);
    else if (button.dataset.action === "reveal") reveal(button.dataset.scope);
    else clear(button.dataset.scope);
    // A click goes back to the grid to type on; a button pressed from the keyboard keeps the focus.
    if (event.detail > 0 && current >= 0) squares[current].input.focus();
  }

  function onClueChosen(event) {
    const button = event.target.closest("button.clue");
    if (button) selectWord(Number(button.dataset.word));
  }

  // ---------------------------------------------------------------------------------------------
  // Start

  if (!words.length) return;
  buildGrid();
  buildClueLists();
  restore();
  openOrder.forEach(paintSquare);
  words.forEach(paintWordFilled);
  app.hidden = false;
  select(firstEmptyOrFirst(words[0]), words[0].direction, false);
  if (openOrder.every(function (index) { return entries[index] === squares[index].answer; })) {
    solved = true;
    showSolved();
  }
  syncClock();
  showClock();

  gridEl.addEventListener("keydown", onGridKey);
  gridEl.addEventListener("input", onGridInput);
  gridEl.addEventListener("pointerdown", onGridPointerDown);
  gridEl.addEventListener("click", onGridClick);
  gridEl.addEventListener("focusin", onGridFocus);
  clueBar.addEventListener("click", switchDirection);
  document.getElementById("clues").addEventListener("click", onClueChosen);
  document.querySelector(".controls").addEventListener("click", onControl);
  pauseButton.addEventListener("click", function () {
    setPaused(!paused);
  });
  document.addEventListener("visibilitychange", function () {
    syncClock();
    save();
  });
  window.addEventListener("pagehide", function () {
    syncClock();
    save();
  });
  window.setInterval(function () {
    syncClock();
    showClock();
  }, 500);
  window.setInterval(save, 5000);
  window.addEventListener("beforeprint", fitPrint);
})();
