// The browser edition's renderer: draws every loaded window as a panel from the data the program
// gives (twips to CSS pixels, 15 twips a pixel), forwards every user event to the program and
// carries out what the handlers asked for (message boxes, focus, help, the print view). It holds
// no rule of the program: what a click or a keystroke means is decided in the window models.
"use strict";

(() => {
  const TWIPS_PER_PX = 15;
  const px = (twips) => `${twips / TWIPS_PER_PX}px`;
  const FONT_STACKS = {
    "MS Sans Serif": 'Arial, "Liberation Sans", Helvetica, sans-serif',
    Arial: 'Arial, "Liberation Sans", Helvetica, sans-serif',
    "Times New Roman": '"Times New Roman", "Liberation Serif", Times, serif',
  };

  let request = null; // the program's door, once the module has loaded
  // A handler that asked the user a question waits for the answer: until it has run to its end,
  // the page sends nothing else (timers wait, other clicks are not delivered).
  let busy = false;
  let pickedFile = null; // the file the user picked to open
  const afterMessages = []; // what waits for the message boxes shown to be closed
  let cliCall = null;
  let state = { forms: [] };
  const windows = new Map(); // form name -> panel record
  const timers = new Map(); // "form/timer" -> {handle, generation, interval}
  const messageQueue = [];
  let pendingFocus = null;
  let zTop = 10;
  let openMenu = null; // {form, path: [ids]}
  let activated = null; // the window the last event brought forward
  const toPlace = []; // windows shown for the first time, waiting for their place
  let lastPointer = { x: 200, y: 200 };
  // While the keyboard walks a menu, the pointer resting over it does not: the browser reports the
  // pointer entering the redrawn entries without any movement.
  let keyboardInMenu = false;
  let pointerAt = { x: -1, y: -1 };
  const desktop = () => document.getElementById("desktop");

  // The browser's number format, date and time, as the program asks for them before every event.
  const numberParts = new Intl.NumberFormat().formatToParts(12345.6);
  const part = (type, fallback) => (numberParts.find((p) => p.type === type) || { value: fallback }).value;
  const dateFormat = new Intl.DateTimeFormat(undefined, { dateStyle: "short" });
  const timeFormat = new Intl.DateTimeFormat(undefined, { timeStyle: "short" });
  function settings() {
    const now = new Date();
    return { decimal: part("decimal", "."), group: part("group", ","), date: dateFormat.format(now), time: timeFormat.format(now) };
  }

  // The answer comes at once, unless the handler asked a question: then the call returns a promise
  // of the answer, kept as korveld.pending, and null is returned here.
  function send(message) {
    if (!request || busy) return null;
    message.settings = settings();
    const raw = request(JSON.stringify(message));
    if (typeof raw === "string") return received(raw);
    busy = true;
    window.korveld.pending = raw.then(
      (text) => {
        busy = false;
        received(text);
      },
      (error) => {
        busy = false;
        throw error;
      },
    );
    return null;
  }
  function received(raw) {
    const answer = JSON.parse(raw);
    if (answer.forms) apply(answer);
    return answer;
  }

  // ---- text with accelerators -------------------------------------------------------------
  function accelOf(caption) {
    const m = /&([^&])/.exec(caption || "");
    return m ? m[1].toLowerCase() : null;
  }
  function setCaption(el, caption) {
    const text = caption || "";
    if (el._caption === text) return;
    el._caption = text;
    el.textContent = "";
    let i = 0;
    let plain = "";
    while (i < text.length) {
      const c = text[i];
      if (c === "&" && i + 1 < text.length) {
        if (text[i + 1] === "&") {
          plain += "&";
        } else {
          if (plain) el.append(plain);
          plain = "";
          const u = document.createElement("u");
          u.textContent = text[i + 1];
          el.append(u);
        }
        i += 2;
        continue;
      }
      plain += c;
      i += 1;
    }
    if (plain) el.append(plain);
  }
  const plainCaption = (caption) => (caption || "").replace(/&(.)/g, "$1");

  // ---- windows -----------------------------------------------------------------------------
  function panelFor(form) {
    let win = windows.get(form.name);
    if (win) return win;
    const panel = document.createElement("section");
    panel.className = "window";
    panel.dataset.form = form.name;
    panel.setAttribute("role", form.owner ? "dialog" : "region");
    const title = document.createElement("header");
    title.className = "titlebar";
    const caption = document.createElement("span");
    caption.className = "caption";
    const close = document.createElement("button");
    close.className = "close";
    close.type = "button";
    close.tabIndex = -1;
    close.title = "Close";
    close.setAttribute("aria-label", "Close");
    close.textContent = "×";
    close.addEventListener("click", () => send({ op: "close", form: form.name }));
    title.append(caption, close);
    const menubar = document.createElement("nav");
    menubar.className = "menubar";
    const client = document.createElement("div");
    client.className = "client";
    panel.append(title, menubar, client);
    desktop().append(panel);
    win = { panel, title, caption, menubar, client, controls: new Map(), placed: false, form };
    windows.set(form.name, win);
    dragBy(title, panel);
    panel.addEventListener("mousedown", () => raise(form.name), true);
    client.addEventListener("dblclick", (e) => {
      if (e.target === client) send({ op: "formDblClick", form: form.name });
    });
    return win;
  }

  function dragBy(handle, panel) {
    handle.addEventListener("pointerdown", (e) => {
      if (e.target.closest("button")) return;
      const start = { x: e.clientX, y: e.clientY, left: panel.offsetLeft, top: panel.offsetTop };
      handle.setPointerCapture(e.pointerId);
      const move = (m) => {
        panel.style.left = `${Math.max(0, start.left + m.clientX - start.x)}px`;
        panel.style.top = `${Math.max(0, start.top + m.clientY - start.y)}px`;
      };
      const up = () => {
        handle.removeEventListener("pointermove", move);
        handle.removeEventListener("pointerup", up);
      };
      handle.addEventListener("pointermove", move);
      handle.addEventListener("pointerup", up);
    });
  }

  function raise(name) {
    const win = windows.get(name);
    if (!win) return;
    win.panel.style.zIndex = String(++zTop);
    // A dialog stays above the window it belongs to.
    for (const form of state.forms) {
      if (form.owner === name && form.visible) {
        const dialog = windows.get(form.name);
        if (dialog) dialog.panel.style.zIndex = String(++zTop);
      }
    }
  }

  function place(win, form) {
    const panel = win.panel;
    if (form.startUp === "manual") {
      panel.style.left = px(form.left);
      panel.style.top = px(form.top);
    } else {
      const owner = form.owner && windows.get(form.owner);
      if (form.startUp === "besideOwner" && owner) {
        panel.style.left = `${owner.panel.offsetLeft + owner.panel.offsetWidth + 8}px`;
        panel.style.top = `${owner.panel.offsetTop}px`;
      } else {
        const area = desktop().getBoundingClientRect();
        panel.style.left = `${Math.max(0, (area.width - panel.offsetWidth) / 2)}px`;
        panel.style.top = `${Math.max(0, (window.innerHeight - panel.offsetHeight) / 3)}px`;
      }
    }
    win.placed = true;
  }

  function renderForm(form) {
    const win = panelFor(form);
    win.form = form;
    const { panel, client } = win;
    if (win.caption.textContent !== form.caption) win.caption.textContent = form.caption;
    panel.setAttribute("aria-label", form.caption);
    client.style.width = px(form.client[0]);
    client.style.height = px(form.client[1]);
    if (form.colour) client.style.backgroundColor = `rgb(${form.colour.join(",")})`;
    panel.classList.toggle("dialog", Boolean(form.owner));
    panel.classList.toggle("disabled", !form.enabled);
    panel.inert = !form.enabled;
    renderMenuBar(win, form);
    for (const control of form.controls) renderControl(win, form, control);
    const wasHidden = panel.hidden;
    panel.hidden = !form.visible;
    // Shown again, a window stands where the user left it.
    if (form.visible && (wasHidden || !win.placed)) {
      // Placed once every window is drawn: placing reads sizes, which lays the page out.
      if (!win.placed) toPlace.push([win, form]);
      raise(form.name);
    }
  }

  function controlElement(win, form, control) {
    let el = win.controls.get(control.id);
    if (el) return el;
    const parent = control.container ? win.controls.get(control.container) : win.client;
    const forward = (op, extra) => send({ op, form: form.name, control: control.id, ...extra });
    switch (control.kind) {
      case "label":
        el = document.createElement("div");
        el.className = "label";
        el.addEventListener("click", () => forward("click"));
        break;
      case "text":
        el = document.createElement(control.multiLine ? "textarea" : "input");
        if (!control.multiLine) el.type = "text";
        el.className = "text";
        el.spellcheck = false;
        el.autocomplete = "off";
        // Change runs on every edit, as the user types.
        el.addEventListener("input", () => forward("type", { text: el.value }));
        el.addEventListener("click", () => forward("click"));
        break;
      case "button":
        el = document.createElement("button");
        el.type = "button";
        el.className = "button";
        el.addEventListener("click", () => forward("click"));
        break;
      case "option":
      case "check": {
        el = document.createElement("label");
        el.className = control.kind;
        const input = document.createElement("input");
        input.type = control.kind === "option" ? "radio" : "checkbox";
        if (control.kind === "option") input.name = `${form.name}/${control.group}`;
        const text = document.createElement("span");
        el.append(input, text);
        el._input = input;
        el._text = text;
        // The model decides the state; the page shows what it says after the click.
        input.addEventListener("click", (e) => {
          e.preventDefault();
          forward("click");
        });
        input.addEventListener("keydown", (e) => optionArrow(e, win, control));
        break;
      }
      case "frame":
      default: {
        el = document.createElement("div");
        el.className = "frame";
        el.setAttribute("role", "group");
        const border = document.createElement("div");
        border.className = "frameborder";
        const legend = document.createElement("span");
        legend.className = "legend";
        el.append(border, legend);
        el._legend = legend;
        el.addEventListener("click", (e) => {
          if (e.target === el || e.target === legend || e.target === border) forward("click");
        });
        break;
      }
    }
    el.dataset.control = control.id;
    el.addEventListener("dblclick", (e) => {
      e.stopPropagation();
      lastPointer = { x: e.clientX, y: e.clientY };
      forward("dblclick");
    });
    parent.append(el);
    win.controls.set(control.id, el);
    return el;
  }

  function focusTarget(el) {
    return el && el._input ? el._input : el;
  }

  function renderControl(win, form, control) {
    const el = controlElement(win, form, control);
    const [left, top, width, height] = control.rect;
    el.style.left = px(left);
    el.style.top = px(top);
    el.style.height = px(height);
    if (control.kind === "label" && control.autoSize) {
      el.style.width = "auto";
      el.style.whiteSpace = "nowrap";
      if (control.align === "right") {
        el.style.left = "auto";
        el.style.right = `calc(100% - ${px(left + width)})`;
      }
    } else {
      el.style.width = px(width);
    }
    if (control.font) {
      el.style.fontFamily = FONT_STACKS[control.font.family] || FONT_STACKS.Arial;
      el.style.fontSize = `${control.font.points}pt`;
      el.style.fontWeight = control.font.bold ? "bold" : "normal";
    }
    el.style.color = control.colour ? `rgb(${control.colour.join(",")})` : "";
    el.style.textAlign = control.align || "";
    el.hidden = !control.visible;
    el.title = control.tip || "";
    const target = focusTarget(el);
    target.disabled = !control.enabled;
    el.classList.toggle("disabled", !control.enabled);
    target.setAttribute("aria-label", control.name || plainCaption(control.caption));
    switch (control.kind) {
      case "label":
        setCaption(el, control.caption);
        break;
      case "text":
        if (el.value !== control.text) el.value = control.text;
        el.readOnly = control.locked;
        break;
      case "button":
        setCaption(el, control.caption);
        break;
      case "option":
      case "check":
        setCaption(el._text, control.caption);
        el._input.checked = control.kind === "option" ? control.value : control.value === 1;
        el._input.indeterminate = control.kind === "check" && control.value === 2;
        break;
      case "frame":
        setCaption(el._legend, control.caption);
        el._legend.hidden = !control.caption;
        break;
    }
  }

  // ---- menus -------------------------------------------------------------------------------
  function renderMenuBar(win, form) {
    const bar = win.menubar;
    bar.hidden = !form.menuBar;
    const visible = form.menus.filter((m) => m.visible);
    const key = JSON.stringify(visible.map((m) => [m.id, m.caption, m.enabled]));
    if (bar._key !== key) {
      bar._key = key;
      bar.textContent = "";
      for (const entry of visible) {
        const item = document.createElement("button");
        item.type = "button";
        item.className = "menutitle";
        item.tabIndex = -1;
        item.dataset.menu = entry.id;
        item.disabled = !entry.enabled;
        setCaption(item, entry.caption);
        item.addEventListener("click", () => {
          if (openMenu && openMenu.form === form.name && openMenu.path[0] === entry.id) closeMenus();
          else openTopMenu(form.name, entry.id);
        });
        item.addEventListener("mouseenter", () => {
          if (keyboardInMenu) return;
          if (openMenu && openMenu.form === form.name && openMenu.path[0] !== entry.id) openTopMenu(form.name, entry.id);
        });
        bar.append(item);
      }
    }
    if (openMenu && openMenu.form === form.name) drawMenus();
  }

  function findMenu(entries, id) {
    for (const e of entries) {
      if (e.id === id) return e;
      if (e.children) {
        const f = findMenu(e.children, id);
        if (f) return f;
      }
    }
    return null;
  }
  const formNamed = (name) => state.forms.find((f) => f.name === name);

  function openTopMenu(formName, id) {
    closeMenus();
    // Opening an entry runs its Click handler, as on the desktop.
    send({ op: "pick", form: formName, menu: id });
    openMenu = { form: formName, path: [id], active: null };
    drawMenus();
  }

  function openSubmenu(level, id) {
    if (!openMenu) return;
    openMenu.path = openMenu.path.slice(0, level + 1).concat(id);
    send({ op: "pick", form: openMenu.form, menu: id });
    if (openMenu) drawMenus();
  }

  function pickLeaf(id) {
    const formName = openMenu.form;
    closeMenus();
    send({ op: "pick", form: formName, menu: id });
  }

  function closeMenus() {
    openMenu = null;
    document.querySelectorAll(".menu").forEach((m) => m.remove());
    document.querySelectorAll(".menutitle.open").forEach((m) => m.classList.remove("open"));
  }

  function drawMenus() {
    document.querySelectorAll(".menu").forEach((m) => m.remove());
    const form = formNamed(openMenu.form);
    const win = windows.get(openMenu.form);
    if (!form || !win || !form.visible || !form.enabled) {
      closeMenus();
      return;
    }
    let anchor = win.menubar.querySelector(`[data-menu="${CSS.escape(openMenu.path[0])}"]`);
    if (!anchor) {
      closeMenus();
      return;
    }
    win.menubar.querySelectorAll(".menutitle").forEach((m) => m.classList.toggle("open", m === anchor));
    let rect = anchor.getBoundingClientRect();
    let at = { x: rect.left, y: rect.bottom };
    openMenu.path.forEach((id, level) => {
      const entry = findMenu(form.menus, id);
      if (!entry || !entry.children) return;
      const menu = document.createElement("div");
      menu.className = "menu";
      menu.setAttribute("role", "menu");
      menu.style.left = `${at.x + window.scrollX}px`;
      menu.style.top = `${at.y + window.scrollY}px`;
      menu.style.zIndex = String(100000 + level);
      for (const child of entry.children) {
        if (!child.visible) continue;
        if (child.separator) {
          menu.append(Object.assign(document.createElement("hr"), { className: "separator" }));
          continue;
        }
        const item = document.createElement("div");
        item.className = "menuitem";
        item.setAttribute("role", child.children ? "menuitem" : "menuitemcheckbox");
        item.setAttribute("aria-checked", String(child.checked));
        item.dataset.menu = child.id;
        item.classList.toggle("disabled", !child.enabled);
        item.classList.toggle("active", openMenu.active === child.id || openMenu.path[level + 1] === child.id);
        const mark = document.createElement("span");
        mark.className = "mark";
        mark.textContent = child.checked ? "✓" : "";
        const text = document.createElement("span");
        text.className = "mtext";
        setCaption(text, child.caption);
        const arrow = document.createElement("span");
        arrow.className = "arrow";
        arrow.textContent = child.children ? "▸" : "";
        item.append(mark, text, arrow);
        item.addEventListener("mousedown", (e) => e.preventDefault());
        item.addEventListener("click", () => {
          if (!child.enabled) return;
          if (child.children) openSubmenu(level, child.id);
          else pickLeaf(child.id);
        });
        item.addEventListener("mouseenter", () => {
          if (!openMenu || keyboardInMenu) return;
          openMenu.active = child.id;
          if (child.children && child.enabled && openMenu.path[level + 1] !== child.id) openSubmenu(level, child.id);
          else if (!child.children && openMenu.path.length > level + 1) {
            openMenu.path = openMenu.path.slice(0, level + 1);
            drawMenus();
          } else menu.querySelectorAll(".menuitem").forEach((m) => m.classList.toggle("active", m === item));
        });
        menu.append(item);
      }
      document.body.append(menu);
      const next = openMenu.path[level + 1];
      const sub = next && menu.querySelector(`[data-menu="${CSS.escape(next)}"]`);
      if (sub) {
        rect = sub.getBoundingClientRect();
        at = { x: rect.right - 2, y: rect.top - 3 };
      }
    });
  }

  // The keyboard in an open menu: arrows walk it, Enter or the underlined letter picks, Escape closes.
  function menuKey(e) {
    keyboardInMenu = true;
    const form = formNamed(openMenu.form);
    const level = openMenu.path.length - 1;
    const entry = findMenu(form.menus, openMenu.path[level]);
    const items = (entry.children || []).filter(
      (c) => c.visible && !c.separator,
    );
    const at = items.findIndex((c) => c.id === openMenu.active);
    const choose = (item) => {
      if (!item || !item.enabled) return;
      if (item.children) {
        openSubmenu(level, item.id);
        const sub = findMenu(formNamed(openMenu ? openMenu.form : form.name).menus, item.id);
        if (openMenu && sub && sub.children) {
          openMenu.active = (sub.children.find((c) => c.visible && !c.separator) || {}).id;
          drawMenus();
        }
      } else pickLeaf(item.id);
    };
    const tops = form.menus.filter((m) => m.visible);
    const topAt = tops.findIndex((m) => m.id === openMenu.path[0]);
    switch (e.key) {
      case "Escape":
        if (openMenu.path.length > 1) {
          openMenu.active = openMenu.path.pop();
          drawMenus();
        } else closeMenus();
        break;
      case "ArrowDown":
      case "ArrowUp": {
        if (!items.length) break;
        const step = e.key === "ArrowDown" ? 1 : -1;
        openMenu.active = items[(at + step + items.length) % items.length].id;
        drawMenus();
        break;
      }
      case "ArrowRight":
        if (at >= 0 && items[at].children) choose(items[at]);
        else if (tops.length) {
          openTopMenu(form.name, tops[(topAt + 1) % tops.length].id);
        }
        break;
      case "ArrowLeft":
        if (openMenu.path.length > 1) {
          openMenu.active = openMenu.path.pop();
          drawMenus();
        } else if (tops.length) openTopMenu(form.name, tops[(topAt - 1 + tops.length) % tops.length].id);
        break;
      case "Enter":
      case " ":
        choose(items[at]);
        break;
      case "F1": {
        const id = openMenu.active || openMenu.path[level];
        const formName = openMenu.form;
        closeMenus();
        send({ op: "helpKey", form: formName, menu: id });
        break;
      }
      default: {
        const hit = items.find((c) => accelOf(c.caption) === e.key.toLowerCase());
        if (hit) choose(hit);
        else return;
      }
    }
    e.preventDefault();
    e.stopPropagation();
  }

  // ---- keyboard ----------------------------------------------------------------------------
  function activeForm() {
    const el = document.activeElement;
    const panel = el && el.closest && el.closest(".window");
    if (panel && !panel.hidden) return panel.dataset.form;
    let best = null;
    let z = -1;
    for (const form of state.forms) {
      const win = windows.get(form.name);
      if (form.visible && form.enabled && win && Number(win.panel.style.zIndex) > z) {
        z = Number(win.panel.style.zIndex);
        best = form.name;
      }
    }
    return best;
  }

  function reachable(form, control) {
    const win = windows.get(form.name);
    for (let c = control; c; c = c.container ? form.controls.find((x) => x.id === c.container) : null) {
      if (!c.visible || !c.enabled) return false;
    }
    const el = win && win.controls.get(control.id);
    return Boolean(el) && !el.hidden;
  }

  // The Tab stops in the window's own order; an option group is one stop, its chosen option.
  function tabStops(form) {
    const byId = new Map(form.controls.map((c) => [c.id, c]));
    const stops = [];
    const groups = new Set();
    for (const id of form.tabOrder) {
      const c = byId.get(id);
      if (!c || c.kind === "label" || c.kind === "frame" || !reachable(form, c)) continue;
      if (c.kind === "option") {
        if (groups.has(c.group)) continue;
        const members = form.controls.filter((o) => o.kind === "option" && o.group === c.group && reachable(form, o));
        groups.add(c.group);
        stops.push((members.find((o) => o.value) || c).id);
      } else stops.push(c.id);
    }
    return stops;
  }

  function focusControl(formName, id) {
    const win = windows.get(formName);
    const el = win && win.controls.get(id);
    if (el) focusTarget(el).focus({ preventScroll: true });
  }

  function tabKey(e) {
    const formName = activeForm();
    const form = formName && formNamed(formName);
    if (!form || !form.enabled) return;
    const stops = tabStops(form);
    if (!stops.length) return;
    const focused = document.activeElement && document.activeElement.closest("[data-control]");
    const at = focused ? stops.indexOf(focused.dataset.control) : -1;
    const step = e.shiftKey ? -1 : 1;
    const next = stops[(at + step + stops.length) % stops.length];
    focusControl(formName, next);
    e.preventDefault();
  }

  function optionArrow(e, win, control) {
    if (control.kind !== "option" || !["ArrowDown", "ArrowUp", "ArrowLeft", "ArrowRight"].includes(e.key)) return;
    e.preventDefault();
    const form = formNamed(win.form.name);
    const group = form.controls.filter((o) => o.kind === "option" && o.group === control.group);
    const at = group.findIndex((o) => o.id === control.id);
    const step = e.key === "ArrowDown" || e.key === "ArrowRight" ? 1 : -1;
    for (let i = 1; i < group.length; i++) {
      const next = group[(at + step * i + group.length * group.length) % group.length];
      if (reachable(form, next)) {
        focusControl(form.name, next.id);
        send({ op: "click", form: form.name, control: next.id });
        return;
      }
    }
  }

  // Alt with a letter: the menu bar entry, else the control whose caption underlines that letter.
  function accelerator(e) {
    const formName = activeForm();
    const form = formName && formNamed(formName);
    if (!form || !form.enabled) return false;
    const letter = e.key.toLowerCase();
    const menu = form.menus.find((m) => m.visible && m.enabled && accelOf(m.caption) === letter);
    if (menu) {
      openTopMenu(form.name, menu.id);
      if (openMenu) {
        const first = (findMenu(form.menus, menu.id).children || []).find((c) => c.visible && !c.separator);
        openMenu.active = first && first.id;
        drawMenus();
      }
      return true;
    }
    const control = form.tabOrder
      .map((id) => form.controls.find((c) => c.id === id))
      .find((c) => c && c.kind !== "text" && accelOf(c.caption) === letter && reachable(form, c));
    if (!control) return false;
    if (control.kind === "label" || control.kind === "frame") {
      const stops = tabStops(form);
      const after = form.tabOrder.slice(form.tabOrder.indexOf(control.id) + 1).find((id) => stops.includes(id));
      if (after) focusControl(form.name, after);
      return true;
    }
    focusControl(form.name, control.id);
    send({ op: "click", form: form.name, control: control.id });
    return true;
  }

  function onKeyDown(e) {
    if (document.querySelector(".msgbox")) {
      const box = document.querySelector(".msgbox");
      if (box.questionKey) {
        box.questionKey(e);
        return;
      }
      if (e.key === "Enter" || e.key === "Escape" || e.key === " ") {
        e.preventDefault();
        box.querySelector("button").click();
      } else if (e.key === "Tab") {
        e.preventDefault();
        box.querySelector("button").focus();
      }
      return;
    }
    if (e.key === "Escape") {
      const popup = document.querySelector(".help-popup");
      if (popup) {
        popup.remove();
        e.preventDefault();
        return;
      }
      const help = document.getElementById("help");
      if (help && !help.hidden && document.activeElement && document.activeElement.closest(".helpwindow")) {
        help.hidden = true;
        keepFocusInWindows();
        e.preventDefault();
        return;
      }
      const extra = document.activeElement && document.activeElement.closest(".window.extra");
      if (extra) {
        extra.querySelector(".close").click();
        keepFocusInWindows();
        e.preventDefault();
        return;
      }
      const print = document.getElementById("printview");
      if (print && !print.hidden) {
        closePrintView();
        e.preventDefault();
        return;
      }
    }
    if (openMenu) {
      menuKey(e);
      return;
    }
    const inHelp = document.activeElement && document.activeElement.closest(".helpwindow");
    if (e.key === "F1") {
      e.preventDefault();
      const formName = activeForm();
      if (!formName) return;
      const focused = document.activeElement && document.activeElement.closest("[data-control]");
      send({ op: "helpKey", form: formName, control: focused ? focused.dataset.control : "" });
      return;
    }
    if (inHelp) return;
    if (e.key === "Tab") {
      tabKey(e);
      return;
    }
    if (e.altKey && !e.ctrlKey && e.key.length === 1) {
      if (accelerator(e)) e.preventDefault();
      return;
    }
    if (e.key === "Alt") e.preventDefault();
    if (e.key === "F10" && !e.shiftKey) {
      const form = formNamed(activeForm() || "");
      const first = form && form.menus.find((m) => m.visible && m.enabled);
      if (first) {
        e.preventDefault();
        openTopMenu(form.name, first.id);
      }
      return;
    }
    if ((e.ctrlKey || e.metaKey) && e.key.toLowerCase() === "c") {
      const el = document.activeElement;
      const selected =
        el && (el.tagName === "INPUT" || el.tagName === "TEXTAREA") && !el.readOnly && el.selectionStart !== el.selectionEnd;
      const formName = activeForm();
      if (!selected && formName) {
        const answer = send({ op: "copy", form: formName });
        if (answer && answer.done) e.preventDefault();
      }
    }
  }

  // ---- what the handlers asked for ---------------------------------------------------------
  function apply(answer) {
    state = answer;
    const names = new Set(answer.forms.map((f) => f.name));
    for (const [name, win] of windows) {
      // The chart and the comparison ("#chart", "#compare") are the page's own panels.
      if (!win.extra && !names.has(name)) {
        win.panel.remove();
        windows.delete(name);
      }
    }
    for (const form of answer.forms) renderForm(form);
    for (const [win, form] of toPlace.splice(0)) place(win, form);
    runTimers(answer.forms);
    renderComparison(answer.comparison);
    renderSchedule(answer.schedule);
    activated = null;
    for (const effect of answer.effects) runEffect(effect);
    if (answer.focus) pendingFocus = answer.focus;
    if (!pendingFocus) keepFocusInWindows();
    if (!messageQueue.length && !document.querySelector(".msgbox")) applyFocus();
    if (answer.ended) endProgram();
  }

  // A window brought forward takes the keyboard at its first stop, as on the desktop; so does the
  // window on top when the focus was in one that has gone.
  function keepFocusInWindows() {
    const el = document.activeElement;
    const panel = el && el.closest && el.closest(".window");
    if (el && el.closest && (el.closest(".helpwindow") || el.closest("#printview"))) return;
    const target = activated || (panel && !panel.hidden && !panel.inert ? null : activeForm());
    if (!target || (panel && panel.dataset.form === target)) return;
    const form = formNamed(target);
    const win = windows.get(target);
    if (!form || !win || win.panel.hidden || !form.enabled) return;
    const stops = tabStops(form);
    if (stops.length) focusControl(target, stops[0]);
  }

  function applyFocus() {
    if (!pendingFocus) return;
    const { form, control } = pendingFocus;
    pendingFocus = null;
    focusControl(form, control);
  }

  function runTimers(forms) {
    const seen = new Set();
    for (const form of forms) {
      for (const t of form.timers) {
        const key = `${form.name}/${t.name}`;
        seen.add(key);
        const running = timers.get(key);
        const wanted = t.enabled && t.interval > 0;
        if (running && (!wanted || running.generation !== t.generation || running.interval !== t.interval)) {
          clearTimeout(running.handle);
          timers.delete(key);
        }
        if (wanted && !timers.has(key)) {
          const entry = { generation: t.generation, interval: t.interval, handle: 0 };
          const tick = () => {
            if (busy) {
              entry.handle = setTimeout(tick, 50);
              return;
            }
            timers.delete(key);
            send({ op: "timer", form: form.name, timer: t.name });
          };
          entry.handle = setTimeout(tick, t.interval);
          timers.set(key, entry);
        }
      }
    }
    for (const [key, running] of timers) {
      if (!seen.has(key)) {
        clearTimeout(running.handle);
        timers.delete(key);
      }
    }
  }

  function runEffect(effect) {
    switch (effect.type) {
      case "msgbox":
        messageQueue.push(effect);
        if (!document.querySelector(".msgbox")) showNextMessage();
        break;
      case "activate":
        raise(effect.form);
        activated = effect.form;
        break;
      case "help":
        showHelp(effect);
        break;
      case "print":
        showPrintView(effect);
        break;
      case "chart":
        showChart(effect.chart, effect.form);
        break;
      case "hideChart": {
        const chart = windows.get("#chart");
        if (chart) chart.panel.hidden = true;
        break;
      }
      case "schedule": {
        const win = windows.get("#schedule");
        if (win) win.panel.style.zIndex = String(++zTop);
        break;
      }
      case "download":
        download(effect);
        break;
      case "clipboard":
        if (navigator.clipboard) navigator.clipboard.writeText(effect.text).catch(() => {});
        break;
      default:
        break;
    }
  }

  const ICONS = {
    exclamation:
      '<svg viewBox="0 0 32 32" aria-hidden="true"><path d="M16 2 31 29H1z" fill="#f5c400" stroke="#8a6d00" stroke-width="1.2" stroke-linejoin="round"/><rect x="14.4" y="10" width="3.2" height="11" rx="1.2"/><circle cx="16" cy="25" r="1.9"/></svg>',
    critical:
      '<svg viewBox="0 0 32 32" aria-hidden="true"><circle cx="16" cy="16" r="14" fill="#d32f2f"/><path d="M10 10l12 12M22 10 10 22" stroke="#fff" stroke-width="3.2" stroke-linecap="round"/></svg>',
    information:
      '<svg viewBox="0 0 32 32" aria-hidden="true"><circle cx="16" cy="16" r="14" fill="#1e63c4"/><rect x="14.4" y="13" width="3.2" height="11" rx="1.2" fill="#fff"/><circle cx="16" cy="8.8" r="2" fill="#fff"/></svg>',
    question:
      '<svg viewBox="0 0 32 32" aria-hidden="true"><circle cx="16" cy="16" r="14" fill="#1e63c4"/><text x="16" y="23" font-size="19" font-family="Arial" font-weight="bold" text-anchor="middle" fill="#fff">?</text></svg>',
  };

  function showNextMessage() {
    const effect = messageQueue.shift();
    if (!effect) {
      applyFocus();
      for (const waiting of afterMessages.splice(0)) waiting();
      return;
    }
    const veil = document.createElement("div");
    veil.className = "veil";
    const box = document.createElement("div");
    box.className = "msgbox window";
    box.setAttribute("role", "alertdialog");
    box.setAttribute("aria-modal", "true");
    const title = document.createElement("header");
    title.className = "titlebar";
    const caption = document.createElement("span");
    caption.className = "caption";
    caption.textContent = effect.title || "KORVELD";
    title.append(caption);
    const body = document.createElement("div");
    body.className = "msgbody";
    if (ICONS[effect.icon]) {
      const icon = document.createElement("span");
      icon.className = `icon ${effect.icon}`;
      icon.innerHTML = ICONS[effect.icon];
      body.append(icon);
    }
    const text = document.createElement("p");
    text.className = "msgtext";
    text.textContent = effect.text;
    body.append(text);
    const buttons = document.createElement("div");
    buttons.className = "msgbuttons";
    const ok = document.createElement("button");
    ok.type = "button";
    ok.className = "button";
    ok.textContent = "OK";
    ok.addEventListener("click", () => {
      veil.remove();
      showNextMessage();
    });
    buttons.append(ok);
    box.append(title, body, buttons);
    box.setAttribute("aria-label", caption.textContent);
    box.setAttribute("aria-describedby", "msgtext");
    text.id = "msgtext";
    veil.append(box);
    document.body.append(veil);
    dragBy(title, box);
    ok.focus();
  }

  // ---- questions the handlers wait on --------------------------------------------------------
  // The program's question as JSON text, answered as JSON text when the user closes the box. The
  // windows and the message boxes of the handler so far are shown first.
  function ask(text) {
    const question = JSON.parse(text);
    if (question.state) apply(question.state);
    return new Promise((resolve) => {
      const show = () => showQuestion(question, (answer) => resolve(JSON.stringify(answer)));
      if (!messageQueue.length && !document.querySelector(".msgbox")) show();
      else afterMessages.push(show);
    });
  }

  async function readPicked(limit) {
    const file = pickedFile;
    if (!file) return { size: 0, bytes: null };
    if (file.size > limit) return { size: file.size, bytes: null };
    try {
      return { size: file.size, bytes: new Uint8Array(await file.arrayBuffer()) };
    } catch {
      return { size: file.size, bytes: null, unreadable: true };
    }
  }

  function button(caption, onClick) {
    const b = document.createElement("button");
    b.type = "button";
    b.className = "button";
    setCaption(b, caption);
    b.addEventListener("click", onClick);
    return b;
  }

  // A modal box in the message boxes' style: an input box (OK, Cancel), save the changes (Save,
  // Discard, Cancel) or a file (a file to open, or the name a download takes).
  function showQuestion(question, answer) {
    const veil = document.createElement("div");
    veil.className = "veil";
    const box = document.createElement("div");
    box.className = "msgbox window question";
    box.setAttribute("role", "dialog");
    box.setAttribute("aria-modal", "true");
    box.dataset.question = question.type;
    const title = document.createElement("header");
    title.className = "titlebar";
    const caption = document.createElement("span");
    caption.className = "caption";
    caption.textContent = question.title || "KORVELD";
    title.append(caption);
    box.setAttribute("aria-label", caption.textContent);
    const body = document.createElement("div");
    body.className = "msgbody";
    const buttons = document.createElement("div");
    buttons.className = "msgbuttons";
    const close = (reply) => {
      veil.remove();
      answer(reply);
    };
    let field = null;
    let accept = null;
    let cancel = null;
    if (question.type === "saveChanges") {
      const icon = document.createElement("span");
      icon.className = "icon exclamation";
      icon.innerHTML = ICONS.exclamation;
      body.append(icon);
    }
    const text = document.createElement(question.type === "saveChanges" ? "p" : "label");
    text.className = "msgtext";
    text.textContent = question.type === "file" ? "File name:" : question.text;
    body.append(text);
    if (question.type === "input" || (question.type === "file" && question.mode === "save")) {
      field = document.createElement("input");
      field.type = "text";
      field.className = "text questionfield";
      field.spellcheck = false;
      field.value = question.type === "input" ? question.initial || "" : question.offered || "";
      text.append(field);
      accept = button("OK", () => close({ button: "ok", text: field.value, name: field.value }));
    } else if (question.type === "file") {
      field = document.createElement("input");
      field.type = "file";
      field.className = "questionfile";
      field.accept = ".txt,text/plain";
      text.append(field);
      accept = button("Open", () => {
        pickedFile = field.files[0];
        close({ button: "ok", name: pickedFile.name });
      });
      accept.disabled = true;
      field.addEventListener("change", () => {
        accept.disabled = !field.files.length;
        if (field.files.length) accept.focus();
      });
    } else {
      accept = button("&Save", () => close({ button: "save" }));
      buttons.append(accept, button("&Discard", () => close({ button: "discard" })));
    }
    cancel = button("Cancel", () => close({ button: "cancel" }));
    if (!buttons.contains(accept)) buttons.append(accept);
    buttons.append(cancel);
    box.questionKey = (e) => {
      const stops = [...box.querySelectorAll("input, button:not(:disabled)")];
      if (e.key === "Escape") {
        e.preventDefault();
        cancel.click();
      } else if (e.key === "Enter" && e.target.tagName !== "BUTTON") {
        e.preventDefault();
        if (!accept.disabled) accept.click();
      } else if (e.key === "Tab") {
        e.preventDefault();
        const at = stops.indexOf(document.activeElement);
        stops[(at + (e.shiftKey ? stops.length - 1 : 1)) % stops.length].focus();
      } else if (e.altKey && e.key.length === 1) {
        const target = [...buttons.children].find((b) => accelOf(b._caption) === e.key.toLowerCase());
        if (target) {
          e.preventDefault();
          target.click();
        }
      }
    };
    box.append(title, body, buttons);
    veil.append(box);
    document.body.append(veil);
    dragBy(title, box);
    (field || accept).focus();
    if (field && field.type === "text") field.select();
  }

  // A file the program wrote goes to the browser as a download under the name it was given.
  function download(effect) {
    const link = document.createElement("a");
    link.href = URL.createObjectURL(new Blob([effect.text], { type: `${effect.mime};charset=utf-8` }));
    link.download = effect.name;
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 60000);
  }

  // ---- help --------------------------------------------------------------------------------
  function helpWindow() {
    let win = document.getElementById("help");
    if (win) return win;
    win = document.createElement("section");
    win.id = "help";
    win.className = "window helpwindow";
    win.setAttribute("role", "dialog");
    win.innerHTML = `<header class="titlebar"><span class="caption">KORVELD Help</span>
      <button class="close" type="button" aria-label="Close" title="Close">×</button></header>
      <div class="helptools"><button type="button" class="button contents">Contents</button>
      <button type="button" class="button search">Search</button></div>
      <div class="helpsearch" hidden><label>Type a word: <input type="search" class="text query"></label>
      <ul class="topics"></ul></div>
      <article class="helppage"><h1></h1><div class="helpbody"></div><ul class="topics"></ul></article>`;
    document.body.append(win);
    win.querySelector(".close").addEventListener("click", () => {
      win.hidden = true;
    });
    win.querySelector(".contents").addEventListener("click", () => {
      const answer = JSON.parse(request(JSON.stringify({ op: "helpSearch", query: "" })));
      showHelp({ command: "contents", topics: answer.topics });
    });
    win.querySelector(".search").addEventListener("click", () => showHelp({ command: "search", key: "", topics: [] }));
    const query = win.querySelector(".query");
    query.addEventListener("input", () => {
      const answer = JSON.parse(request(JSON.stringify({ op: "helpSearch", query: query.value })));
      listTopics(win.querySelector(".helpsearch .topics"), answer.topics);
    });
    dragBy(win.querySelector(".titlebar"), win);
    win.addEventListener("mousedown", () => {
      win.style.zIndex = String(++zTop);
    });
    return win;
  }

  function listTopics(list, topics) {
    list.textContent = "";
    for (const t of topics) {
      const li = document.createElement("li");
      const a = document.createElement("a");
      a.href = `#topic-${t.id}`;
      a.textContent = t.title;
      a.addEventListener("click", (e) => {
        e.preventDefault();
        const answer = JSON.parse(request(JSON.stringify({ op: "helpTopic", id: t.id })));
        if (answer.topic) showHelp({ command: "topic", topic: answer.topic });
      });
      li.append(a);
      list.append(li);
    }
  }

  function showHelp(effect) {
    if (effect.command === "popup") {
      document.querySelectorAll(".help-popup").forEach((p) => p.remove());
      const popup = document.createElement("div");
      popup.className = "help-popup";
      popup.setAttribute("role", "tooltip");
      popup.innerHTML = `<strong></strong><div class="helpbody"></div>`;
      popup.querySelector("strong").textContent = effect.topic.title;
      popup.querySelector(".helpbody").innerHTML = effect.topic.html;
      popup.style.left = `${lastPointer.x + window.scrollX + 8}px`;
      popup.style.top = `${lastPointer.y + window.scrollY + 8}px`;
      document.body.append(popup);
      const dismiss = () => {
        popup.remove();
        document.removeEventListener("mousedown", dismiss, true);
      };
      setTimeout(() => document.addEventListener("mousedown", dismiss, true), 0);
      return;
    }
    const win = helpWindow();
    win.hidden = false;
    win.style.zIndex = String(++zTop);
    const page = win.querySelector(".helppage");
    const search = win.querySelector(".helpsearch");
    const h1 = page.querySelector("h1");
    const body = page.querySelector(".helpbody");
    const list = page.querySelector(".topics");
    search.hidden = effect.command !== "search";
    page.hidden = effect.command === "search";
    list.textContent = "";
    if (effect.command === "topic") {
      h1.textContent = effect.topic.title;
      body.innerHTML = effect.topic.html;
    } else if (effect.command === "contents") {
      h1.textContent = "Contents";
      body.textContent = "";
      listTopics(list, effect.topics);
    } else if (effect.command === "search") {
      const query = win.querySelector(".query");
      query.value = effect.key || "";
      listTopics(search.querySelector(".topics"), effect.topics);
      query.focus();
    } else {
      h1.textContent = "Help";
      body.textContent = effect.text;
    }
  }

  // ---- the print view ----------------------------------------------------------------------
  function showPrintView(effect) {
    const view = document.getElementById("printview");
    view.querySelector(".printtitle").textContent = effect.title;
    // A document of several pages (the schedule's) prints each on a sheet of its own.
    const pages = effect.pages || [effect.lines];
    const first = view.querySelector(".page");
    view.querySelectorAll(".page ~ .page").forEach((extra) => extra.remove());
    first.textContent = pages[0].join("\n");
    let last = first;
    for (const lines of pages.slice(1)) {
      const page = document.createElement("pre");
      page.className = "page nextpage";
      page.textContent = lines.join("\n");
      last.after(page);
      last = page;
    }
    const chart = view.querySelector(".printchart");
    chart.textContent = "";
    if (effect.chart) chart.append(chartSvg(effect.chart));
    view.hidden = false;
    document.body.classList.add("printing");
    view.querySelector(".print").focus();
    if (effect.printNow) setTimeout(() => window.print(), 0);
  }
  function closePrintView() {
    document.getElementById("printview").hidden = true;
    document.body.classList.remove("printing");
  }

  // ---- the operating windows and the comparison --------------------------------------------
  function extraPanel(id, caption, owner) {
    let win = windows.get(id);
    if (win) return win;
    const panel = document.createElement("section");
    panel.className = "window extra";
    panel.dataset.form = id;
    panel.innerHTML = `<header class="titlebar"><span class="caption"></span>
      <button class="close" type="button" aria-label="Close" title="Close">×</button></header><div class="extraclient"></div>`;
    panel.querySelector(".caption").textContent = caption;
    desktop().append(panel);
    const ownerWin = windows.get(owner);
    if (ownerWin) {
      panel.style.left = `${ownerWin.panel.offsetLeft + ownerWin.panel.offsetWidth + 8}px`;
      panel.style.top = `${ownerWin.panel.offsetTop}px`;
    }
    win = { panel, client: panel.querySelector(".extraclient"), controls: new Map(), extra: true };
    windows.set(id, win);
    dragBy(panel.querySelector(".titlebar"), panel);
    panel.addEventListener("mousedown", () => {
      panel.style.zIndex = String(++zTop);
    });
    return win;
  }

  function chartSvg(chart) {
    const ns = "http://www.w3.org/2000/svg";
    const rowH = 22;
    const left = 110;
    const width = 520;
    const height = 40 + rowH * chart.sizes.length + 30;
    const svg = document.createElementNS(ns, "svg");
    svg.setAttribute("viewBox", `0 0 ${left + width + 20} ${height}`);
    svg.setAttribute("class", "chart");
    svg.setAttribute("role", "img");
    const max = Math.max(chart.required, ...chart.sizes.map((s) => s.high)) * 1.05 || 1;
    const x = (v) => left + (v / max) * width;
    const add = (name, attrs, text) => {
      const el = document.createElementNS(ns, name);
      for (const [k, v] of Object.entries(attrs)) el.setAttribute(k, v);
      if (text !== undefined) el.textContent = text;
      svg.append(el);
      return el;
    };
    add("text", { x: 8, y: 18, class: "charttitle" },
      `${chart.series} ${chart.refrigerant}  ${chart.evap} / ${chart.cond} / ${chart.liq}  (${chart.unit})`);
    chart.sizes.forEach((s, i) => {
      const y = 34 + i * rowH;
      add("text", { x: left - 6, y: y + 14, "text-anchor": "end" }, s.name);
      add("rect", { x: x(s.low), y: y + 3, width: Math.max(1, x(s.high) - x(s.low)), height: rowH - 8,
        class: s.size === chart.selected ? "bar selected" : "bar" });
      add("line", { x1: x(s.capacity), x2: x(s.capacity), y1: y + 1, y2: y + rowH - 3, class: "rated" });
    });
    if (chart.required > 0) {
      const bottom = 34 + rowH * chart.sizes.length;
      add("line", { x1: x(chart.required), x2: x(chart.required), y1: 28, y2: bottom, class: "required" });
      add("text", { x: x(chart.required), y: bottom + 16, "text-anchor": "middle" }, `${chart.required.toLocaleString()} ${chart.unit}`);
    }
    if (chart.message) add("text", { x: 8, y: height - 6, class: "chartmessage" }, chart.message);
    return svg;
  }

  // Beside the window it was asked from, the first time.
  function showChart(chart, from) {
    const win = extraPanel("#chart", "Operating Windows", from || "frmkorveld");
    win.client.textContent = "";
    win.client.append(chartSvg(chart));
    win.panel.hidden = false;
    win.panel.style.zIndex = String(++zTop);
    win.panel.querySelector(".close").onclick = () => {
      win.panel.hidden = true;
    };
  }

  function renderComparison(comparison) {
    const existing = windows.get("#compare");
    if (!comparison) {
      if (existing) existing.panel.hidden = true;
      return;
    }
    const win = extraPanel("#compare", comparison.title, "frmkorveld");
    win.panel.querySelector(".caption").textContent = comparison.title;
    win.panel.querySelector(".close").onclick = () => send({ op: "compareClose" });
    const table = document.createElement("table");
    table.className = "comparison";
    const head = table.createTHead().insertRow();
    comparison.headings.forEach((h, i) => {
      const th = document.createElement("th");
      const b = document.createElement("button");
      b.type = "button";
      b.textContent = h + (comparison.sortColumn === i ? (comparison.ascending ? " ▲" : " ▼") : "");
      b.addEventListener("click", () => send({ op: "compareSort", column: i }));
      th.append(b);
      head.append(th);
    });
    const body = table.createTBody();
    comparison.rows.forEach((cells, r) => {
      const tr = body.insertRow();
      tr.tabIndex = 0;
      for (const cell of cells) tr.insertCell().textContent = cell;
      tr.addEventListener("dblclick", () => send({ op: "comparePick", row: r }));
      tr.addEventListener("keydown", (e) => {
        if (e.key === "Enter") send({ op: "comparePick", row: r });
      });
    });
    win.client.textContent = "";
    win.client.append(table);
    if (win.panel.hidden !== false || !win.shown) {
      win.shown = true;
      win.panel.hidden = false;
      win.panel.style.zIndex = String(++zTop);
    }
  }

  // The schedule window, drawn from the worksheet's schedule: its File menu, the table and its
  // buttons; every action is the model's.
  function renderSchedule(schedule) {
    const existing = windows.get("#schedule");
    document.querySelectorAll(".schedulemenu").forEach((m) => m.remove());
    if (!schedule) {
      if (existing) existing.panel.hidden = true;
      return;
    }
    const win = extraPanel("#schedule", schedule.title, "frmkorveld");
    const act = (action) => send({ op: "scheduleAct", action });
    win.panel.querySelector(".caption").textContent = schedule.title;
    win.panel.querySelector(".close").onclick = () => act("close");
    const hadFocus = win.panel.contains(document.activeElement);
    win.client.textContent = "";
    const bar = document.createElement("div");
    bar.className = "menubar";
    const fileTitle = document.createElement("button");
    fileTitle.type = "button";
    fileTitle.className = "menutitle";
    fileTitle.dataset.menu = "mnuScheduleFile";
    setCaption(fileTitle, schedule.menu);
    const menu = document.createElement("div");
    menu.className = "menu schedulemenu";
    menu.setAttribute("role", "menu");
    menu.hidden = true;
    for (const [action, caption] of schedule.entries) {
      const item = document.createElement("div");
      item.className = "menuitem";
      item.setAttribute("role", "menuitem");
      item.tabIndex = -1;
      item.dataset.action = action;
      const label = document.createElement("span");
      label.className = "label";
      setCaption(label, caption);
      item.append(label);
      item.addEventListener("click", () => {
        menu.hidden = true;
        act(action);
      });
      menu.append(item);
    }
    fileTitle.addEventListener("click", () => {
      menu.hidden = !menu.hidden;
      const rect = fileTitle.getBoundingClientRect();
      menu.style.left = `${rect.left + window.scrollX}px`;
      menu.style.top = `${rect.bottom + window.scrollY}px`;
      menu.style.zIndex = "100000";
      if (!menu.hidden) menu.firstChild.focus();
    });
    // The keyboard walks the entries: arrows, Enter, and Escape back to the menu's title.
    menu.addEventListener("keydown", (e) => {
      const items = [...menu.children];
      const at = items.indexOf(document.activeElement);
      if (e.key === "ArrowDown" || e.key === "ArrowUp") {
        items[(at + (e.key === "ArrowDown" ? 1 : items.length - 1)) % items.length].focus();
      } else if (e.key === "Enter" && at >= 0) {
        items[at].click();
      } else if (e.key === "Escape") {
        menu.hidden = true;
        fileTitle.focus();
      } else {
        return;
      }
      e.preventDefault();
      e.stopPropagation();
    });
    bar.append(fileTitle);
    document.body.append(menu);
    const table = document.createElement("table");
    table.className = "comparison schedule";
    const head = table.createTHead().insertRow();
    for (const h of schedule.headings) head.append(Object.assign(document.createElement("th"), { textContent: h }));
    const body = table.createTBody();
    schedule.rows.forEach((cells, r) => {
      const tr = body.insertRow();
      tr.tabIndex = 0;
      tr.classList.toggle("current", schedule.current === r);
      tr.setAttribute("aria-selected", String(schedule.current === r));
      for (const cell of cells) tr.insertCell().textContent = cell;
      tr.addEventListener("click", () => {
        if (schedule.current !== r) send({ op: "scheduleRow", row: r });
      });
      tr.addEventListener("dblclick", () => act("reopen"));
      tr.addEventListener("keydown", (e) => {
        if (e.key === "Enter") act("reopen");
        else if (e.key === "Delete") act("remove");
      });
    });
    const buttons = document.createElement("div");
    buttons.className = "schedulebuttons";
    for (const [action, caption, enabled] of schedule.buttons) {
      const b = button(caption, () => act(action));
      b.dataset.action = action;
      b.disabled = !enabled;
      buttons.append(b);
    }
    win.client.append(bar, table, buttons);
    if (win.panel.hidden !== false || !win.shown) {
      win.shown = true;
      win.panel.hidden = false;
      win.panel.style.zIndex = String(++zTop);
      // Too wide beside the worksheet: below it, as far left as it must to stay in the page.
      const owner = windows.get("frmkorveld");
      const overflow = win.panel.offsetLeft + win.panel.offsetWidth - (window.innerWidth - 8);
      if (overflow > 0 && owner) {
        const left = Math.min(owner.panel.offsetLeft, window.innerWidth - 8 - win.panel.offsetWidth);
        win.panel.style.left = `${Math.max(8, left)}px`;
        win.panel.style.top = `${owner.panel.offsetTop + owner.panel.offsetHeight + 8}px`;
      }
    }
    const current = body.rows[schedule.current];
    if (current && hadFocus) current.focus();
  }

  function endProgram() {
    for (const running of timers.values()) clearTimeout(running.handle);
    timers.clear();
    desktop().hidden = true;
    document.getElementById("ended").hidden = false;
  }

  // ---- start -------------------------------------------------------------------------------
  async function start() {
    document.addEventListener("keydown", onKeyDown, true);
    document.addEventListener(
      "mousemove",
      (e) => {
        if (e.clientX !== pointerAt.x || e.clientY !== pointerAt.y) keyboardInMenu = false;
        pointerAt = { x: e.clientX, y: e.clientY };
      },
      true,
    );
    document.addEventListener("mousedown", (e) => {
      lastPointer = { x: e.clientX, y: e.clientY };
      if (openMenu && !e.target.closest(".menu") && !e.target.closest(".menubar")) closeMenus();
      for (const menu of document.querySelectorAll(".schedulemenu")) {
        if (!e.target.closest(".schedulemenu") && !e.target.closest('[data-menu="mnuScheduleFile"]')) menu.hidden = true;
      }
    });
    document.getElementById("printview").querySelector(".print").addEventListener("click", () => window.print());
    document.getElementById("printview").querySelector(".closeprint").addEventListener("click", closePrintView);
    document.getElementById("restart").addEventListener("click", () => location.reload());
    const [module, help] = await Promise.all([
      createKorveld(),
      fetch("PALDEN.HLP").then((r) => (r.ok ? r.text() : "")).catch(() => ""),
    ]);
    module.korveldAsk = ask;
    module.korveldReadPicked = readPicked;
    // Not {async: true}: a request that asks nothing answers at once; one that asks returns a promise.
    request = module.cwrap("korveld_request", "string", ["string"]);
    cliCall = module.cwrap("korveld_cli", "string", ["string", "string"]);
    send({ op: "start", help });
    document.getElementById("loading").hidden = true;
    requestAnimationFrame(() => {
      window.korveld.startPainted = performance.now();
    });
  }

  window.korveld = {
    // The command line in the page: korveld.cli(["rate", "--refrigerant", "R-22", ...]), and
    // korveld.cli(["batch"], "rate ...\nselect ...\n") with the lines as standard input.
    cli(args, input = "") {
      if (!cliCall) throw new Error("KORVELD is still loading");
      if (busy) throw new Error("KORVELD is waiting for an answer");
      return JSON.parse(cliCall(JSON.stringify(args), String(input)));
    },
    state: () => state,
    pending: null,
    startPainted: null,
  };
  window.korveld.ready = start().catch((error) => {
    // Opened as a file, or the module could not be fetched: say so instead of loading forever.
    document.getElementById("loading").textContent =
      location.protocol === "file:"
        ? "KORVELD runs from a web server: serve this folder (make web-serve) and open its address."
        : `KORVELD could not start: ${error.message}`;
  });

  if ("serviceWorker" in navigator && location.protocol !== "file:") {
    navigator.serviceWorker.register("sw.js").catch(() => {});
  }
})();
